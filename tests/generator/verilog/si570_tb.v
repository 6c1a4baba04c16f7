// si570_controller against a model Si570: choice 3'b101 (322.265625 MHz) after
// two unanswered tries, with a reserved bit of register 137 that must stay set.
module si570_tb;

    reg clk = 1'b0;
    always #10 clk = ~clk;
    reg rst_n = 1'b0;
    wire scl, sda, ready;
    pullup (scl);
    pullup (sda);

    i2c_chip_model #(.ADDRESS(7'h55)) chip (.scl(scl), .sda(sda));
    si570_controller #(.POWER_UP_WAIT(50), .QUARTER(4)) dut (
        .iCLK(clk), .iRST_n(rst_n), .iFREQ_MODE(3'b101), .I2C_CLK(scl), .I2C_DATA(sda),
        .oController_Ready(ready));

    integer errors = 0;
    `include "i2c_expect.vh"

    initial begin
        chip.regs[137] = 8'h08;
        chip.regs[135] = 8'h00;
        chip.refuse = 2;
        #100 rst_n = 1'b1;
        #50 if (ready) begin
            $display("FAIL: ready before the oscillator was set");
            errors = errors + 1;
        end
        fork : run
            wait (ready) disable run;
            #2_000_000 begin
                $display("FAIL: not ready in time");
                errors = errors + 1;
                disable run;
            end
        join
        // Two unanswered tries, then the freeze.
        expect_event(0, 0);
        expect_event(3, 8'hAA);
        expect_event(1, 0);
        expect_event(0, 0);
        expect_event(3, 8'hAA);
        expect_event(1, 0);
        expect_read(7'h55, 8'd137, 8'h08);
        expect_write(7'h55, 8'd137, 8'h18);
        expect_write(7'h55, 8'd7, 8'h00);
        expect_write(7'h55, 8'd8, 8'hC2);
        expect_write(7'h55, 8'd9, 8'hD1);
        expect_write(7'h55, 8'd10, 8'hE1);
        expect_write(7'h55, 8'd11, 8'h27);
        expect_write(7'h55, 8'd12, 8'hAF);
        expect_read(7'h55, 8'd137, 8'h18);
        expect_write(7'h55, 8'd137, 8'h08);
        expect_read(7'h55, 8'd135, 8'h00);
        expect_write(7'h55, 8'd135, 8'h40);
        expect_no_more_events;
        if (errors == 0)
            $display("PASS");
        $finish;
    end

endmodule
