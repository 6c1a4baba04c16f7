// si5340b_controller (either board's set) against a model Si5340: it selects page
// 0, waits for DEVICE_READY and reports done; a press of the start input runs it
// again.
module si5340b_tb;

    reg clk = 1'b0;
    always #10 clk = ~clk;
    reg rst_n = 1'b0;
    reg start = 1'b0;
    wire scl, sda, done;
    pullup (scl);
    pullup (sda);

    i2c_chip_model #(.ADDRESS(7'h74), .PAGED(1)) chip (.scl(scl), .sda(sda));
    si5340b_controller #(.POWER_UP_WAIT(50), .QUARTER(4)) dut (
        .iCLK(clk), .iRST_n(rst_n), .iStart(start), .iPLL_OUT_FREQ_SEL(4'h2), .I2C_CLK(scl), .I2C_DATA(sda),
        .oPLL_REG_CONFIG_DONE(done));

    integer errors = 0;
    `include "i2c_expect.vh"

    task wait_done;
        fork : run
            wait (done) disable run;
            #1_000_000 begin
                $display("FAIL: no done in time");
                errors = errors + 1;
                disable run;
            end
        join
    endtask

    initial begin
        chip.regs[16'h00FE] = 8'h0F;
        #100 rst_n = 1'b1;
        wait_done;
        expect_write(7'h74, 8'h01, 8'h00);
        expect_read(7'h74, 8'hFE, 8'h0F);
        expect_no_more_events;

        #1000 start = 1'b1;
        #200 if (done) begin
            $display("FAIL: done stays up while the list runs again");
            errors = errors + 1;
        end
        wait_done;
        expect_write(7'h74, 8'h01, 8'h00);
        expect_read(7'h74, 8'hFE, 8'h0F);
        expect_no_more_events;
        if (errors == 0)
            $display("PASS");
        $finish;
    end

endmodule
