// si5340a_controller: configures the Si5340A that clocks the four QSFP cages:
// after power-up and again on each rising edge of iStart it writes each output's
// choice (the top-level defines SI5340A_*), then raises oPLL_REG_CONFIG_DONE.
module si5340a_controller #(
    parameter integer POWER_UP_WAIT = 2_500_000, // 50 ms at 50 MHz
    parameter integer QUARTER       = 125        // I2C at 100 kHz from 50 MHz
) (
    input  wire       iCLK,
    input  wire       iRST_n,
    input  wire       iStart,
    input  wire [2:0] iPLL_OUT0_FREQ_SEL,
    input  wire [2:0] iPLL_OUT1_FREQ_SEL,
    input  wire [2:0] iPLL_OUT2_FREQ_SEL,
    input  wire [2:0] iPLL_OUT3_FREQ_SEL,
    output wire       I2C_CLK,
    inout  wire       I2C_DATA,
    output wire       oPLL_REG_CONFIG_DONE
);

    wire [11:0] sel;
    wire        busy;

    si5340a_clk_frq_sel_gen choices (
        .iCLK(iCLK), .iRST_n(iRST_n), .iHOLD(busy), .iOUT0_SEL(iPLL_OUT0_FREQ_SEL),
        .iOUT1_SEL(iPLL_OUT1_FREQ_SEL), .iOUT2_SEL(iPLL_OUT2_FREQ_SEL), .iOUT3_SEL(iPLL_OUT3_FREQ_SEL),
        .oSEL(sel));

    si5340a_i2c_reg_controller #(.POWER_UP_WAIT(POWER_UP_WAIT), .QUARTER(QUARTER)) registers (
        .iCLK(iCLK), .iRST_n(iRST_n), .iStart(iStart), .iSEL(sel), .oBUSY(busy),
        .oCONFIG_DONE(oPLL_REG_CONFIG_DONE), .I2C_CLK(I2C_CLK), .I2C_DATA(I2C_DATA));

endmodule
