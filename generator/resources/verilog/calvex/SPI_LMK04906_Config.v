// SPI_LMK04906_Config: writes the LMK04906's register list over its MICROWIRE
// interface after power-up, one word at a time through lmk04906_microwire, then
// raises SPI_DONE.
//
// Register list. Every register is one 32-bit word: data in bits 31:5, the
// register number in bits 4:0.
//   iFREQ_SELECT bit (top-level define)  FMC port  set: 644.53125 MHz, clear: 322.265625 MHz
//   3  FMCA_644M53125_BIT  4'h8          FMC A
//   1  FMCB_644M53125_BIT  4'h2          FMC B
//   0  FMCC_644M53125_BIT  4'h1          FMC C
//   2  FMCD_644M53125_BIT  4'h4          FMC D
//   index  word
//   0      END
// Left out: every word. The words follow from the board's VCXO frequency (which
// sets the PLL words) and from which of the chip's clock outputs feeds which FMC
// port (which sets the divider words); neither is known here. The chip therefore
// keeps the settings it starts with.
module SPI_LMK04906_Config #(
    parameter integer POWER_UP_WAIT = 2_500_000, // 50 ms at 50 MHz
    parameter integer HALF_BIT      = 25         // CLK at 1 MHz from 50 MHz
) (
    input  wire       clk50,
    input  wire       rst_n,
    // The list has no entries for it yet (see above).
    /* verilator lint_off UNUSEDSIGNAL */
    input  wire [3:0] iFREQ_SELECT,
    /* verilator lint_on UNUSEDSIGNAL */
    output wire       LMK04906_CLK,
    output wire       LMK04906_DATAIN,
    output wire       LMK04906_LE,
    output reg        SPI_DONE
);

    localparam [1:0] W_WAIT = 2'd0, W_FETCH = 2'd1, W_WRITE = 2'd2, W_END = 2'd3;

    localparam integer WAIT_W = $clog2(POWER_UP_WAIT + 1);
    localparam [31:0] WAIT_LAST = POWER_UP_WAIT;

    reg [WAIT_W-1:0] wait_count;
    reg [1:0]        state;
    reg [5:0]        index;
    reg              go;
    wire             done;

    // The entry at index: a word to write, or the end of the list.
    reg        entry_write;
    reg [31:0] entry_word;

    always @* begin
        entry_write = 1'b0;
        entry_word = 32'h0000_0000;
        case (index)
            default: entry_write = 1'b0;
        endcase
    end

    lmk04906_microwire #(.HALF_BIT(HALF_BIT)) wire_out (
        .iCLK(clk50), .iRST_n(rst_n), .iGO(go), .iWORD(entry_word), .oDONE(done), .oCLK(LMK04906_CLK),
        .oDATA(LMK04906_DATAIN), .oLE(LMK04906_LE));

    always @(posedge clk50 or negedge rst_n)
        if (!rst_n) begin
            wait_count <= {WAIT_W{1'b0}};
            state <= W_WAIT;
            index <= 6'd0;
            go <= 1'b0;
            SPI_DONE <= 1'b0;
        end else begin
            go <= 1'b0;
            case (state)
                W_WAIT:
                    if (wait_count == WAIT_LAST[WAIT_W-1:0])
                        state <= W_FETCH;
                    else
                        wait_count <= wait_count + 1'b1;
                W_FETCH:
                    if (entry_write) begin
                        go <= 1'b1;
                        state <= W_WRITE;
                    end else begin
                        SPI_DONE <= 1'b1;
                        state <= W_END;
                    end
                W_WRITE:
                    if (done) begin
                        index <= index + 6'd1;
                        state <= W_FETCH;
                    end
                default: ;
            endcase
        end

endmodule

// lmk04906_microwire: sends one 32-bit word, most significant bit first. DATA
// changes while CLK is low and the chip reads it on CLK's rising edge; after the
// last bit LE rises for half a bit time and the chip takes the word into the
// register its bits 4:0 name. The project carries one file for the LMK04906, so
// the shift engine lives in it beside the module that uses it.
/* verilator lint_off DECLFILENAME */
module lmk04906_microwire #(
    parameter integer HALF_BIT = 25
) (
    input  wire        iCLK,
    input  wire        iRST_n,
    input  wire        iGO,   // one clock, while no word is going out
    input  wire [31:0] iWORD,
    output reg         oDONE, // one clock after LE has fallen again
    output reg         oCLK,
    output wire        oDATA,
    output reg         oLE
);
    /* verilator lint_on DECLFILENAME */

    localparam integer HW = $clog2(HALF_BIT);
    localparam [31:0] HLAST = HALF_BIT - 1;

    reg [HW-1:0] divider;
    wire         tick = divider == HLAST[HW-1:0];

    reg        busy;
    reg [6:0]  half;  // half bit times: 0-63 the 32 bits, 64-65 LE high
    reg [31:0] shift;

    assign oDATA = shift[31];

    always @(posedge iCLK or negedge iRST_n)
        if (!iRST_n)
            divider <= {HW{1'b0}};
        else
            divider <= tick || !busy ? {HW{1'b0}} : divider + 1'b1;

    always @(posedge iCLK or negedge iRST_n)
        if (!iRST_n) begin
            busy <= 1'b0;
            half <= 7'd0;
            shift <= 32'd0;
            oCLK <= 1'b0;
            oLE <= 1'b0;
            oDONE <= 1'b0;
        end else begin
            oDONE <= 1'b0;
            if (!busy) begin
                if (iGO) begin
                    busy <= 1'b1;
                    half <= 7'd0;
                    shift <= iWORD;
                end
            end else if (tick) begin
                half <= half + 7'd1;
                if (!half[6]) begin
                    oCLK <= !half[0];
                    if (half[0])
                        shift <= {shift[30:0], 1'b0};
                end else if (half == 7'd64)
                    oLE <= 1'b1;
                else begin
                    oLE <= 1'b0;
                    busy <= 1'b0;
                    oDONE <= 1'b1;
                end
            end
        end

endmodule
