// I2C_CDCM6208_Config: writes the CDCM6208's register list after power-up, one
// write at a time through I2C_CDCM6208_Controller, then raises I2C_DONE. A write
// the chip does not acknowledge ends the list with I2C_DONE low.
//
// Register list (16-bit words at 16-bit addresses; the data sheet's I2C base
// address 0x54 with both address pins low, as DEVICE: how the board wires those
// pins is not known here).
//   mode (top-level define)  FMCA, FMCD  PCIE  SATA host, device  DDR3 (MHz)
//   CDCM6208_MODE_0  2'd0    100         100   150                133.333
//   CDCM6208_MODE_1  2'd1    125         100   150                133.333
//   CDCM6208_MODE_2  2'd2    150         100   150                133.333
//   iFREQ_DISABLE bit 0 FMCA, 1 FMCD, 2 SATA host, 3 SATA device, 4 PCIE, 5 DDR3:
//   that output switched off
//   index  register  data
//   0      END
// Left out: every write. The words for these frequencies follow from the board's
// reference clock and from which of the chip's outputs feeds which connector, and
// switching an output off from the same wiring; none of that is known here. The
// chip therefore keeps the settings it starts with.
module I2C_CDCM6208_Config #(
    parameter integer POWER_UP_WAIT = 2_500_000, // 50 ms at 50 MHz
    parameter integer QUARTER       = 125,       // I2C at 100 kHz from 50 MHz
    parameter [6:0]   DEVICE        = 7'h54
) (
    input  wire       iCLK,
    input  wire       iRST_N,
    // The list has no entries for them yet (see above).
    /* verilator lint_off UNUSEDSIGNAL */
    input  wire [1:0] iFREQ_SELECT,
    input  wire [5:0] iFREQ_DISABLE,
    /* verilator lint_on UNUSEDSIGNAL */
    output wire       I2C_SCLK,
    inout  wire       I2C_SDAT,
    output reg        I2C_DONE
);

    localparam [1:0] W_WAIT = 2'd0, W_FETCH = 2'd1, W_WRITE = 2'd2, W_END = 2'd3;

    localparam integer WAIT_W = $clog2(POWER_UP_WAIT + 1);
    localparam [31:0] WAIT_LAST = POWER_UP_WAIT;

    reg [WAIT_W-1:0] wait_count;
    reg [1:0]        state;
    reg [4:0]        index;
    reg              go;
    wire             done, nack;

    // The entry at index: a write of data to register, or the end of the list.
    reg        entry_write;
    reg [15:0] entry_register;
    reg [15:0] entry_data;

    always @* begin
        entry_write = 1'b0;
        entry_register = 16'h0000;
        entry_data = 16'h0000;
        case (index)
            default: entry_write = 1'b0;
        endcase
    end

    I2C_CDCM6208_Controller #(.QUARTER(QUARTER)) bus (
        .iCLK(iCLK), .iRST_N(iRST_N), .iGO(go), .iDEV(DEVICE), .iREG(entry_register), .iDATA(entry_data),
        .oDONE(done), .oNACK(nack), .I2C_SCLK(I2C_SCLK), .I2C_SDAT(I2C_SDAT));

    always @(posedge iCLK or negedge iRST_N)
        if (!iRST_N) begin
            wait_count <= {WAIT_W{1'b0}};
            state <= W_WAIT;
            index <= 5'd0;
            go <= 1'b0;
            I2C_DONE <= 1'b0;
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
                        I2C_DONE <= 1'b1;
                        state <= W_END;
                    end
                W_WRITE:
                    if (done) begin
                        index <= index + 5'd1;
                        state <= nack ? W_END : W_FETCH;
                    end
                default: ;
            endcase
        end

endmodule
