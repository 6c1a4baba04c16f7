// CDCM6100x_Config: drives the control pins of a CDCM61004 (or CDCM61001) clock
// synthesizer. The chip is enabled (CE high) and held in reset (RST_n low) after
// power-up and while recal_n is low, then for HOLD more clocks, so that it
// calibrates its VCO with its pins settled when RST_n rises.
//
// Pin levels per choice. The chip takes its frequency from its prescaler and
// feedback pins PR1:0 and its output-divider pins OD2:0, its output type from
// OS1:0; with the board's 25 MHz crystal the choices below are the chip's standard
// frequencies. Which pin levels give which divider, and which output type the board
// needs, are not known here, so no row has levels yet: PR, OD and OS stay released
// and take the levels of the pull resistors on them.
//   desired_freq  MHz      PR1:0  OD2:0  OS1:0
//   4'd0          62.5     -      -      -
//   4'd1          75       -      -      -
//   4'd2          100      -      -      -
//   4'd3          125      -      -      -
//   4'd4          150      -      -      -
//   4'd5          156.25   -      -      -
//   4'd6          187.5    -      -      -
//   4'd7          200      -      -      -
//   4'd8          250      -      -      -
//   4'd9          312.5    -      -      -
//   4'd10         625      -      -      -
module CDCM6100x_Config #(
    parameter integer HOLD = 50_000 // 1 ms at 50 MHz
) (
    input  wire       clk_50m,
    input  wire       recal_n,
    // No row has pin levels yet (see above).
    /* verilator lint_off UNUSEDSIGNAL */
    input  wire [3:0] desired_freq,
    /* verilator lint_on UNUSEDSIGNAL */
    output wire       CLK_CE,
    output wire [2:0] CLK_OD,
    output wire [1:0] CLK_OS,
    output wire [1:0] CLK_PR,
    output reg        CLK_RST_n
);

    localparam integer W = $clog2(HOLD + 1);
    localparam [31:0] LAST = HOLD;

    reg [W-1:0] count;

    assign CLK_CE = 1'b1;
    assign CLK_OD = 3'bzzz;
    assign CLK_OS = 2'bzz;
    assign CLK_PR = 2'bzz;

    always @(posedge clk_50m or negedge recal_n)
        if (!recal_n) begin
            count <= {W{1'b0}};
            CLK_RST_n <= 1'b0;
        end else if (count == LAST[W-1:0])
            CLK_RST_n <= 1'b1;
        else
            count <= count + 1'b1;

endmodule
