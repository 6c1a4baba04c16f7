// The CDCM6208's I2C engine against a model chip: one write of a 16-bit word to a
// 16-bit register, the bytes the chip sees and the done pulse; a write the chip
// refuses ends early with oNACK. A reset while the chip acknowledges a byte (SDA
// held low): the next write frees the bus first, and a line held low for good
// gets nine clocks, then the write. Then I2C_CDCM6208_Config, whose register list
// is empty: done after the power-up wait, no traffic.
module cdcm6208_tb;

    reg clk = 1'b0;
    always #10 clk = ~clk;
    reg rst_n = 1'b0;
    reg go = 1'b0;
    wire scl, sda, done, nack, config_done, config_scl;
    pullup (scl);
    pullup (sda);
    reg stuck = 1'b0; // something on the bus holds SDA low for good
    assign sda = stuck ? 1'b0 : 1'bz;
    integer scl_falls = 0;
    always @(negedge scl)
        scl_falls = scl_falls + 1;
    pullup (config_scl);

    i2c_chip_model #(.ADDRESS(7'h54), .REG_BYTES(2)) chip (.scl(scl), .sda(sda));
    I2C_CDCM6208_Controller #(.QUARTER(4)) engine (
        .iCLK(clk), .iRST_N(rst_n), .iGO(go), .iDEV(7'h54), .iREG(16'h0003), .iDATA(16'h12F5), .oDONE(done),
        .oNACK(nack), .I2C_SCLK(scl), .I2C_SDAT(sda));

    wire config_sda;
    pullup (config_sda);
    i2c_chip_model #(.ADDRESS(7'h54), .REG_BYTES(2)) idle_chip (.scl(config_scl), .sda(config_sda));
    I2C_CDCM6208_Config #(.POWER_UP_WAIT(50), .QUARTER(4)) listed (
        .iCLK(clk), .iRST_N(rst_n), .iFREQ_SELECT(2'd1), .iFREQ_DISABLE(6'b010010), .I2C_SCLK(config_scl),
        .I2C_SDAT(config_sda), .I2C_DONE(config_done));

    integer errors = 0;
    `include "i2c_expect.vh"

    task write_once;
        begin
            @(negedge clk) go = 1'b1;
            @(negedge clk) go = 1'b0;
            fork : write
                @(posedge done) disable write;
                #200_000 begin
                    $display("FAIL: no done");
                    errors = errors + 1;
                    disable write;
                end
            join
        end
    endtask

    initial begin
        #100 rst_n = 1'b1;
        write_once;
        if (nack) begin
            $display("FAIL: nack on an answered write");
            errors = errors + 1;
        end
        expect_event(0, 0);
        expect_event(2, 8'hA8);
        expect_event(2, 8'h00);
        expect_event(2, 8'h03);
        expect_event(2, 8'h12);
        expect_event(2, 8'hF5);
        expect_event(1, 0);
        expect_no_more_events;

        chip.refuse = 1;
        write_once;
        if (!nack) begin
            $display("FAIL: no nack on a refused write");
            errors = errors + 1;
        end
        expect_event(0, 0);
        expect_event(3, 8'hA8);
        expect_event(1, 0);
        expect_no_more_events;

        // The reset comes while the chip acknowledges the register address.
        chip.regs[3] = 8'h00;
        chip.regs[4] = 8'h00;
        @(negedge clk) go = 1'b1;
        @(negedge clk) go = 1'b0;
        wait (chip.acking && chip.bytes == 2);
        @(posedge scl) #40 rst_n = 1'b0;
        #1000 chip.event_count = 0;
        at = 0;
        rst_n = 1'b1;
        write_once;
        expect_event(1, 0);
        expect_event(0, 0);
        expect_event(2, 8'hA8);
        expect_event(2, 8'h00);
        expect_event(2, 8'h03);
        expect_event(2, 8'h12);
        expect_event(2, 8'hF5);
        expect_event(1, 0);
        expect_no_more_events;
        if (nack || chip.regs[3] !== 8'h12 || chip.regs[4] !== 8'hF5) begin
            $display("FAIL: after the reset nack %b, registers %h %h", nack, chip.regs[3], chip.regs[4]);
            errors = errors + 1;
        end

        // Nine clocks, then START and five bytes of nine bits; the write ends.
        rst_n = 1'b0;
        stuck = 1'b1;
        #100 rst_n = 1'b1;
        scl_falls = 0;
        write_once;
        if (scl_falls != 9 + 1 + 5 * 9) begin
            $display("FAIL: %0d SCL clocks with SDA held low", scl_falls);
            errors = errors + 1;
        end
        stuck = 1'b0;

        if (!config_done || idle_chip.event_count != 0) begin
            $display("FAIL: config done %b after %0d events", config_done, idle_chip.event_count);
            errors = errors + 1;
        end
        if (errors == 0)
            $display("PASS");
        $finish;
    end

endmodule
