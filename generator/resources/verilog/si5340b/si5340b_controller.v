// si5340b_controller: configures the Si5340B that clocks the memories and PCIe:
// after power-up and again on each rising edge of iStart it writes the register
// list of the choice iPLL_OUT_FREQ_SEL (a top-level define), then raises
// oPLL_REG_CONFIG_DONE.
module si5340b_controller #(
    parameter integer POWER_UP_WAIT = 2_500_000, // 50 ms at 50 MHz
    parameter integer QUARTER       = 125        // I2C at 100 kHz from 50 MHz
) (
    input  wire       iCLK,
    input  wire       iRST_n,
    input  wire       iStart,
    input  wire [3:0] iPLL_OUT_FREQ_SEL,
    output wire       I2C_CLK,
    inout  wire       I2C_DATA,
    output wire       oPLL_REG_CONFIG_DONE
);

    wire [3:0] sel;
    wire       busy;

    si5340b_clk_frq_sel_gen choice (
        .iCLK(iCLK), .iRST_n(iRST_n), .iHOLD(busy), .iFREQ_SEL(iPLL_OUT_FREQ_SEL), .oSEL(sel));

    si5340b_i2c_reg_controller #(.POWER_UP_WAIT(POWER_UP_WAIT), .QUARTER(QUARTER)) registers (
        .iCLK(iCLK), .iRST_n(iRST_n), .iStart(iStart), .iSEL(sel), .oBUSY(busy),
        .oCONFIG_DONE(oPLL_REG_CONFIG_DONE), .I2C_CLK(I2C_CLK), .I2C_DATA(I2C_DATA));

endmodule
