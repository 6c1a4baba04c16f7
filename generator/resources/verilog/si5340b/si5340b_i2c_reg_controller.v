// si5340b_i2c_reg_controller: walks the Si5340B's register list (in
// si5340b_freq_prameter_selector) over the I2C bus, after power-up and on each
// rising edge of iStart.
module si5340b_i2c_reg_controller #(
    parameter integer POWER_UP_WAIT = 2_500_000,
    parameter integer QUARTER       = 125
) (
    input  wire        iCLK,
    input  wire        iRST_n,
    input  wire        iStart,
    input  wire [3:0]  iSEL,
    output wire        oBUSY,
    output wire        oCONFIG_DONE,
    output wire        I2C_CLK,
    inout  wire        I2C_DATA
);

    wire [4:0] index;
    wire [6:0] dev;
    wire [1:0] op;
    wire [7:0] reg_addr, mask, value;
    wire       go, read, done, nack;
    wire [7:0] access_reg, wdata, rdata;

    si5340b_freq_prameter_selector list (
        .iINDEX(index), .iSEL(iSEL), .oDEV(dev), .oOP(op), .oREG(reg_addr), .oMASK(mask), .oVALUE(value));

    initial_config #(.POWER_UP_WAIT(POWER_UP_WAIT)) walk (
        .iCLK(iCLK), .iRST_n(iRST_n), .iSTART(iStart),
        .oINDEX(index), .iOP(op), .iREG(reg_addr), .iMASK(mask), .iVALUE(value),
        .oGO(go), .oREAD(read), .oREG(access_reg), .oDATA(wdata), .iDONE(done), .iNACK(nack), .iRDATA(rdata),
        .oBUSY(oBUSY), .oCONFIG_DONE(oCONFIG_DONE));

    i2c_bus_controller #(.QUARTER(QUARTER)) bus (
        .iCLK(iCLK), .iRST_n(iRST_n), .iGO(go), .iREAD(read), .iDEV(dev), .iREG(access_reg), .iDATA(wdata),
        .oDONE(done), .oNACK(nack), .oRDATA(rdata), .I2C_SCLK(I2C_CLK), .I2C_SDAT(I2C_DATA));

endmodule
