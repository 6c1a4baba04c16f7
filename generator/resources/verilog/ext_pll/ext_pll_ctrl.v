// ext_pll_ctrl: hands the three clock settings of the external PLL to the board's
// controller chip that sets it, and reads them back, over a 2-wire link
// (max_sclk, max_sdat). A rising edge of conf_wr sends clk1_set_wr to clk3_set_wr;
// a rising edge of conf_rd reads the settings into clk1_set_rd to clk3_set_rd.
// conf_ready is high while the link is idle.
//
// The controller chip's side of the link is board logic whose framing is not
// published; this module defines the framing both sides follow:
//   idle    max_sclk high, max_sdat released (the board pulls it high)
//   start   max_sdat falls while max_sclk is high
//   bit     max_sdat changes while max_sclk is low, is read on max_sclk's rising edge
//   frame   a direction bit (0 write, 1 read), then twelve setting bits: clk1, clk2,
//           clk3, four bits each, most significant first; in a write frame this
//           module drives them, in a read frame it releases max_sdat and the
//           controller chip drives them
//   stop    max_sdat rises while max_sclk is high
// Every bit takes four quarters of QUARTER clocks (100 kHz from 50 MHz); start and
// stop take two bit times.
//
// Settings, one per clock:
//   0  unchanged     4  100 MHz      8  187.5 MHz    12  625 MHz
//   1  disabled      5  125 MHz      9  200 MHz
//   2  62.5 MHz      6  150 MHz     10  250 MHz
//   3  75 MHz        7  156.25 MHz  11  312.5 MHz
module ext_pll_ctrl #(
    parameter integer QUARTER = 125
) (
    input  wire       osc_50,
    input  wire       rstn,
    input  wire [3:0] clk1_set_wr,
    output reg  [3:0] clk1_set_rd,
    input  wire [3:0] clk2_set_wr,
    output reg  [3:0] clk2_set_rd,
    input  wire [3:0] clk3_set_wr,
    output reg  [3:0] clk3_set_rd,
    input  wire       conf_wr,
    input  wire       conf_rd,
    output wire       conf_ready,
    output wire       max_sclk,
    inout  wire       max_sdat
);

    localparam [1:0] S_IDLE = 2'd0, S_START = 2'd1, S_BITS = 2'd2, S_STOP = 2'd3;

    localparam integer QW = $clog2(QUARTER);
    localparam [31:0] QLAST = QUARTER - 1;

    reg [QW-1:0] divider;
    wire         tick = divider == QLAST[QW-1:0];

    reg [2:0]  wr_level, rd_level; // two synchronizer stages, then the level a clock before
    reg [1:0]  state;
    reg [1:0]  quarter;
    reg [3:0]  bit_n;              // 0 the direction bit, 1-12 the settings; two bit times in start and stop
    reg        reading;
    reg [12:0] shift;
    reg        sclk_low;
    reg        sdat_low;
    reg [1:0]  sdat_in;

    assign max_sclk = !sclk_low;
    assign max_sdat = sdat_low ? 1'b0 : 1'bz;
    assign conf_ready = state == S_IDLE;

    wire write_edge = wr_level[1] & ~wr_level[2];
    wire read_edge = rd_level[1] & ~rd_level[2];

    always @(posedge osc_50 or negedge rstn)
        if (!rstn) begin
            divider <= {QW{1'b0}};
            wr_level <= 3'b000;
            rd_level <= 3'b000;
            sdat_in <= 2'b11;
        end else begin
            divider <= tick ? {QW{1'b0}} : divider + 1'b1;
            wr_level <= {wr_level[1:0], conf_wr};
            rd_level <= {rd_level[1:0], conf_rd};
            sdat_in <= {sdat_in[0], max_sdat};
        end

    always @(posedge osc_50 or negedge rstn)
        if (!rstn) begin
            state <= S_IDLE;
            quarter <= 2'd0;
            bit_n <= 4'd0;
            reading <= 1'b0;
            shift <= 13'd0;
            sclk_low <= 1'b0;
            sdat_low <= 1'b0;
            clk1_set_rd <= 4'd0;
            clk2_set_rd <= 4'd0;
            clk3_set_rd <= 4'd0;
        end else if (state == S_IDLE) begin
            if (write_edge || read_edge) begin
                reading <= !write_edge;
                shift <= write_edge ? {1'b0, clk1_set_wr, clk2_set_wr, clk3_set_wr} : 13'h1000;
                quarter <= 2'd0;
                bit_n <= 4'd0;
                state <= S_START;
            end
        end else if (tick) begin
            quarter <= quarter + 2'd1;
            case (state)
                S_START: begin
                    if (bit_n == 4'd0 && quarter == 2'd3)
                        bit_n <= 4'd1;
                    else if (bit_n == 4'd1 && quarter == 2'd0)
                        sdat_low <= 1'b1;
                    else if (bit_n == 4'd1 && quarter == 2'd2)
                        sclk_low <= 1'b1;
                    else if (bit_n == 4'd1 && quarter == 2'd3) begin
                        bit_n <= 4'd0;
                        state <= S_BITS;
                    end
                end
                S_BITS:
                    case (quarter)
                        2'd0: sdat_low <= (bit_n == 4'd0 || !reading) && !shift[12];
                        2'd1: sclk_low <= 1'b0;
                        2'd2: shift <= {shift[11:0], sdat_in[1]};
                        default: begin
                            sclk_low <= 1'b1;
                            if (bit_n != 4'd12)
                                bit_n <= bit_n + 4'd1;
                            else begin
                                bit_n <= 4'd0;
                                if (reading)
                                    {clk1_set_rd, clk2_set_rd, clk3_set_rd} <= shift[11:0];
                                state <= S_STOP;
                            end
                        end
                    endcase
                default: begin // S_STOP
                    if (bit_n == 4'd0 && quarter == 2'd0)
                        sdat_low <= 1'b1;
                    else if (bit_n == 4'd0 && quarter == 2'd1)
                        sclk_low <= 1'b0;
                    else if (bit_n == 4'd0 && quarter == 2'd3)
                        bit_n <= 4'd1;
                    else if (bit_n == 4'd1 && quarter == 2'd1)
                        sdat_low <= 1'b0;
                    else if (bit_n == 4'd1 && quarter == 2'd3)
                        bit_n <= 4'd2;
                    else if (bit_n == 4'd2 && quarter == 2'd3) begin
                        bit_n <= 4'd0;
                        state <= S_IDLE;
                    end
                end
            endcase
        end

endmodule
