// si570_controller: sets the Si570 programmable oscillator to the frequency of
// iFREQ_MODE after power-up (the register list is in i2c_reg_controller).
// oController_Ready rises when the oscillator has taken the new frequency.
module si570_controller #(
    parameter integer POWER_UP_WAIT = 2_500_000, // 50 ms at 50 MHz: the Si570 starts within 10 ms
    parameter integer QUARTER       = 125        // I2C at 100 kHz from 50 MHz
) (
    input  wire       iCLK,
    input  wire       iRST_n,
    input  wire [2:0] iFREQ_MODE,
    output wire       I2C_CLK,
    inout  wire       I2C_DATA,
    output wire       oController_Ready
);

    wire [4:0] index;
    wire [6:0] dev;
    wire [1:0] op;
    wire [7:0] reg_addr, mask, value;
    wire       go, read, done, nack;
    wire [7:0] access_reg, wdata, rdata;
    wire       bus_go, bus_done, bus_nack;
    wire       unused_busy; // the Si570's choice is a constant: nothing holds it during a run

    i2c_reg_controller list (
        .iFREQ_MODE(iFREQ_MODE), .iINDEX(index), .oDEV(dev), .oOP(op), .oREG(reg_addr), .oMASK(mask),
        .oVALUE(value));

    initial_config #(.POWER_UP_WAIT(POWER_UP_WAIT)) walk (
        .iCLK(iCLK), .iRST_n(iRST_n), .iSTART(1'b0),
        .oINDEX(index), .iOP(op), .iREG(reg_addr), .iMASK(mask), .iVALUE(value),
        .oGO(go), .oREAD(read), .oREG(access_reg), .oDATA(wdata), .iDONE(done), .iNACK(nack), .iRDATA(rdata),
        .oBUSY(unused_busy), .oCONFIG_DONE(oController_Ready));

    i2c_controller retry (
        .iCLK(iCLK), .iRST_n(iRST_n), .iGO(go), .oDONE(done), .oNACK(nack),
        .oBUS_GO(bus_go), .iBUS_DONE(bus_done), .iBUS_NACK(bus_nack));

    i2c_bus_controller #(.QUARTER(QUARTER)) bus (
        .iCLK(iCLK), .iRST_n(iRST_n), .iGO(bus_go), .iREAD(read), .iDEV(dev), .iREG(access_reg), .iDATA(wdata),
        .oDONE(bus_done), .oNACK(bus_nack), .oRDATA(rdata), .I2C_SCLK(I2C_CLK), .I2C_SDAT(I2C_DATA));

endmodule
