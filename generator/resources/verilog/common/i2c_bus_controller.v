// i2c_bus_controller: one register access on an I2C bus, as the clock chips with
// 8-bit register addresses take it.
//   write: START, device+W, register, data, STOP
//   read:  START, device+W, register, repeated START, device+R, data (master NACK), STOP
// A byte the chip does not acknowledge ends the access with a STOP and oNACK.
//
// A reset can come while a chip is in the middle of a byte and holds SDA low; it
// would not see the next START and would take what follows as data. So the first
// access after a reset frees the bus first: while SDA is seen low, up to nine SCL
// clocks move the chip on to the end of its byte, and each clock ends as a STOP
// does (SDA released while SCL is high), which the chip sees once it has let go.
//
// Timing: every bit takes four quarters of QUARTER input clocks; SDA changes in
// the first quarter while SCL is low, SCL is high for the middle two, SDA is read
// at the third. With a 50 MHz clock and QUARTER = 125 SCL runs at 100 kHz and every
// phase meets the standard-mode minimum times (START and STOP take two bit times).
// SCL and SDA are open-drain: the engine pulls them low or lets the board's
// pull-up resistors raise them.
module i2c_bus_controller #(
    parameter integer QUARTER = 125
) (
    input  wire       iCLK,
    input  wire       iRST_n,
    input  wire       iGO,    // one clock, while no access is going on
    input  wire       iREAD,  // 1: read iREG; 0: write iDATA to iREG
    input  wire [6:0] iDEV,
    input  wire [7:0] iREG,
    input  wire [7:0] iDATA,
    output reg        oDONE,  // one clock at the end of the access
    output reg        oNACK,  // valid with oDONE: a byte was not acknowledged
    output reg  [7:0] oRDATA, // valid with oDONE after a read
    output wire       I2C_SCLK,
    inout  wire       I2C_SDAT
);

    localparam [2:0] S_IDLE = 3'd0, S_START = 3'd1, S_TX = 3'd2, S_RX = 3'd3, S_RSTART = 3'd4, S_STOP = 3'd5,
                     S_CLEAR = 3'd6;

    wire tick;
    clock_divider #(.DIVIDE(QUARTER)) quarter_tick (.iCLK(iCLK), .iRST_n(iRST_n), .oTICK(tick));

    reg [2:0] state;
    reg [1:0] quarter;
    reg [3:0] bit_n;   // 0-7 data bits, 8 the acknowledge; START and STOP count two bit times;
                       // the clocks given while the bus is freed
    reg       cleared; // the bus has been freed since the reset
    reg       looking; // freeing the bus: 0 the clock, 1 the STOP and the look at SDA
    reg [2:0] step;    // place in the access: 1 device+W, 2 register, 3 data or repeated START, 4 device+R, 5 data
    reg       read;
    reg [6:0] dev;
    reg [7:0] register;
    reg [7:0] data;
    reg [7:0] shift;
    reg       nack;
    reg       scl_low;
    reg       sda_low;
    reg [1:0] sda_in;  // SDA through two flip-flops

    assign I2C_SCLK = scl_low ? 1'b0 : 1'bz;
    assign I2C_SDAT = sda_low ? 1'b0 : 1'bz;

    always @(posedge iCLK or negedge iRST_n)
        if (!iRST_n)
            sda_in <= 2'b11;
        else
            sda_in <= {sda_in[0], I2C_SDAT};

    // What follows an acknowledged byte.
    task next_after_byte;
        begin
            case (step)
                3'd1: begin
                    step <= 3'd2;
                    shift <= register;
                end
                3'd2: begin
                    step <= 3'd3;
                    if (read)
                        state <= S_RSTART;
                    else
                        shift <= data;
                end
                3'd4: begin
                    step <= 3'd5;
                    state <= S_RX;
                end
                default: state <= S_STOP;
            endcase
        end
    endtask

    always @(posedge iCLK or negedge iRST_n)
        if (!iRST_n) begin
            state <= S_IDLE;
            quarter <= 2'd0;
            bit_n <= 4'd0;
            cleared <= 1'b0;
            looking <= 1'b0;
            step <= 3'd0;
            read <= 1'b0;
            dev <= 7'd0;
            register <= 8'd0;
            data <= 8'd0;
            shift <= 8'd0;
            nack <= 1'b0;
            scl_low <= 1'b0;
            sda_low <= 1'b0;
            oDONE <= 1'b0;
            oNACK <= 1'b0;
            oRDATA <= 8'd0;
        end else begin
            oDONE <= 1'b0;
            if (state == S_IDLE) begin
                if (iGO) begin
                    state <= cleared ? S_START : S_CLEAR;
                    quarter <= 2'd0;
                    bit_n <= 4'd0;
                    looking <= 1'b1;
                    step <= 3'd0;
                    read <= iREAD;
                    dev <= iDEV;
                    register <= iREG;
                    data <= iDATA;
                    oNACK <= 1'b0;
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
                    // SDA falls while SCL is high, a bit time later SCL falls.
                    S_START: begin
                        if (bit_n == 4'd0 && quarter == 2'd3)
                            bit_n <= 4'd1;
                        else if (bit_n == 4'd1 && quarter == 2'd0)
                            sda_low <= 1'b1;
                        else if (bit_n == 4'd1 && quarter == 2'd2)
                            scl_low <= 1'b1;
                        else if (bit_n == 4'd1 && quarter == 2'd3) begin
                            bit_n <= 4'd0;
                            step <= 3'd1;
                            shift <= {dev, 1'b0};
                            state <= S_TX;
                        end
                    end
                    // SDA released while SCL is low, SCL raised, then SDA falls.
                    S_RSTART: begin
                        if (bit_n == 4'd0 && quarter == 2'd0)
                            sda_low <= 1'b0;
                        else if (bit_n == 4'd0 && quarter == 2'd1)
                            scl_low <= 1'b0;
                        else if (bit_n == 4'd0 && quarter == 2'd3)
                            bit_n <= 4'd1;
                        else if (bit_n == 4'd1 && quarter == 2'd0)
                            sda_low <= 1'b1;
                        else if (bit_n == 4'd1 && quarter == 2'd2)
                            scl_low <= 1'b1;
                        else if (bit_n == 4'd1 && quarter == 2'd3) begin
                            bit_n <= 4'd0;
                            step <= 3'd4;
                            shift <= {dev, 1'b1};
                            state <= S_TX;
                        end
                    end
                    // Eight data bits and the acknowledge. Sending, the byte leaves at
                    // shift[7]; receiving, it enters at shift[0]: one shift serves both.
                    S_TX, S_RX: begin
                        case (quarter)
                            2'd0: sda_low <= state == S_TX && bit_n != 4'd8 && !shift[7];
                            2'd1: scl_low <= 1'b0;
                            2'd2:
                                if (bit_n == 4'd8)
                                    nack <= sda_in[1];
                                else
                                    shift <= {shift[6:0], sda_in[1]};
                            default: begin
                                scl_low <= 1'b1;
                                if (bit_n != 4'd8)
                                    bit_n <= bit_n + 4'd1;
                                else begin
                                    bit_n <= 4'd0;
                                    if (state == S_RX) begin
                                        // One byte read: the master's NACK has been sent.
                                        oRDATA <= shift;
                                        state <= S_STOP;
                                    end else if (nack) begin
                                        oNACK <= 1'b1;
                                        state <= S_STOP;
                                    end else
                                        next_after_byte;
                                end
                            end
                        endcase
                    end
                    // SDA low, SCL raised, a bit time later SDA rises; then the bus rests.
                    S_STOP: begin
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
                    default: state <= S_IDLE;
                endcase
            end
        end

endmodule
