// I2C_CDCM6208_Controller: one register write to the CDCM6208 over I2C. The chip's
// registers have 16-bit addresses and hold 16-bit words; a write is
//   START, device+W, address high, address low, data high, data low, STOP
// A byte the chip does not acknowledge ends the write with a STOP and oNACK.
//
// A reset can come while a chip is in the middle of a byte and holds SDA low; it
// would not see the next START and would take what follows as data. So the first
// write after a reset frees the bus first: while SDA is seen low, up to nine SCL
// clocks move the chip on to the end of its byte, and each clock ends as a STOP
// does (SDA released while SCL is high), which the chip sees once it has let go.
//
// Timing: every bit takes four quarters of QUARTER input clocks; SDA changes in
// the first quarter while SCL is low, SCL is high for the middle two, the
// acknowledge is read at the third. With a 50 MHz clock and QUARTER = 125 SCL runs
// at 100 kHz and every phase meets the standard-mode minimum times (START and STOP
// take two bit times). SCL and SDA are open-drain: the engine pulls them low or
// lets the board's pull-up resistors raise them.
module I2C_CDCM6208_Controller #(
    parameter integer QUARTER = 125
) (
    input  wire        iCLK,
    input  wire        iRST_N,
    input  wire        iGO,   // one clock, while no write is going on
    input  wire [6:0]  iDEV,
    input  wire [15:0] iREG,
    input  wire [15:0] iDATA,
    output reg         oDONE, // one clock at the end of the write
    output reg         oNACK, // valid with oDONE: a byte was not acknowledged
    output wire        I2C_SCLK,
    inout  wire        I2C_SDAT
);

    localparam [2:0] S_IDLE = 3'd0, S_START = 3'd1, S_BYTE = 3'd2, S_STOP = 3'd3, S_CLEAR = 3'd4;

    localparam integer QW = $clog2(QUARTER);
    localparam [31:0] QLAST = QUARTER - 1;

    reg [QW-1:0] divider;
    wire         tick = divider == QLAST[QW-1:0];

    reg [2:0]  state;
    reg [1:0]  quarter;
    reg [3:0]  bit_n;   // 0-7 data bits, 8 the acknowledge; START and STOP count two bit times;
                        // the clocks given while the bus is freed
    reg        cleared; // the bus has been freed since the reset
    reg        looking; // freeing the bus: 0 the clock, 1 the STOP and the look at SDA
    reg [2:0]  byte_n;  // 0 device, 1-2 address, 3-4 data
    reg [39:0] shift;
    reg        nack;
    reg        scl_low;
    reg        sda_low;
    reg [1:0]  sda_in;  // SDA through two flip-flops

    assign I2C_SCLK = scl_low ? 1'b0 : 1'bz;
    assign I2C_SDAT = sda_low ? 1'b0 : 1'bz;

    always @(posedge iCLK or negedge iRST_N)
        if (!iRST_N) begin
            divider <= {QW{1'b0}};
            sda_in <= 2'b11;
        end else begin
            divider <= tick ? {QW{1'b0}} : divider + 1'b1;
            sda_in <= {sda_in[0], I2C_SDAT};
        end

    always @(posedge iCLK or negedge iRST_N)
        if (!iRST_N) begin
            state <= S_IDLE;
            quarter <= 2'd0;
            bit_n <= 4'd0;
            cleared <= 1'b0;
            looking <= 1'b0;
            byte_n <= 3'd0;
            shift <= 40'd0;
            nack <= 1'b0;
            scl_low <= 1'b0;
            sda_low <= 1'b0;
            oDONE <= 1'b0;
            oNACK <= 1'b0;
        end else begin
            oDONE <= 1'b0;
            if (state == S_IDLE) begin
                if (iGO) begin
                    shift <= {iDEV, 1'b0, iREG, iDATA};
                    quarter <= 2'd0;
                    bit_n <= 4'd0;
                    byte_n <= 3'd0;
                    looking <= 1'b1;
                    oNACK <= 1'b0;
                    state <= cleared ? S_START : S_CLEAR;
                end
            end else if (tick) begin
                quarter <= quarter + 2'd1;
                case (state)
                    // Two bit times a clock: SCL falls, SDA is pulled low, SCL rises;
                    // then SDA is released (a STOP when no chip holds it) and looked at.
                    S_CLEAR:
                        if (!looking)
                            case (quarter)
                                2'd0: scl_low <= 1'b1;
                                2'd1: sda_low <= 1'b1;
                                2'd2: scl_low <= 1'b0;
                                default: looking <= 1'b1;
                            endcase
                        else if (quarter == 2'd1)
                            sda_low <= 1'b0;
                        else if (quarter == 2'd3) begin
                            if (sda_in[1] || bit_n == 4'd9) begin
                                bit_n <= 4'd0;
                                cleared <= 1'b1;
                                state <= S_START;
                            end else begin
                                bit_n <= bit_n + 4'd1;
                                looking <= 1'b0;
                            end
                        end
                    S_START: begin
                        if (bit_n == 4'd0 && quarter == 2'd3)
                            bit_n <= 4'd1;
                        else if (bit_n == 4'd1 && quarter == 2'd0)
                            sda_low <= 1'b1;
                        else if (bit_n == 4'd1 && quarter == 2'd2)
                            scl_low <= 1'b1;
                        else if (bit_n == 4'd1 && quarter == 2'd3) begin
                            bit_n <= 4'd0;
                            state <= S_BYTE;
                        end
                    end
                    S_BYTE:
                        case (quarter)
                            2'd0: sda_low <= bit_n != 4'd8 && !shift[39];
                            2'd1: scl_low <= 1'b0;
                            2'd2:
                                if (bit_n == 4'd8)
                                    nack <= sda_in[1];
                                else
                                    shift <= {shift[38:0], 1'b0};
                            default: begin
                                scl_low <= 1'b1;
                                if (bit_n != 4'd8)
                                    bit_n <= bit_n + 4'd1;
                                else begin
                                    bit_n <= 4'd0;
                                    byte_n <= byte_n + 3'd1;
                                    if (nack)
                                        oNACK <= 1'b1;
                                    if (nack || byte_n == 3'd4)
                                        state <= S_STOP;
                                end
                            end
                        endcase
                    default: begin // S_STOP
                        if (bit_n == 4'd0 && quarter == 2'd0)
                            sda_low <= 1'b1;
                        else if (bit_n == 4'd0 && quarter == 2'd1)
                            scl_low <= 1'b0;
                        else if (bit_n == 4'd0 && quarter == 2'd3)
                            bit_n <= 4'd1;
                        else if (bit_n == 4'd1 && quarter == 2'd1)
                            sda_low <= 1'b0;
                        else if (bit_n == 4'd1 && quarter == 2'd3)
                            bit_n <= 4'd2;
                        else if (bit_n == 4'd2 && quarter == 2'd3) begin
                            bit_n <= 4'd0;
                            state <= S_IDLE;
                            oDONE <= 1'b1;
                        end
                    end
                endcase
            end
        end

endmodule
