// si5340a_controller against a model Si5340: outputs 0 and 3 powered down, 1 and 2
// running; the chip reports ready on the third poll; a press of the start input
// runs the list again. The outputs' other configuration bits must stay as they were.
module si5340a_tb;

    reg clk = 1'b0;
    always #10 clk = ~clk;
    reg rst_n = 1'b0;
    reg start = 1'b0;
    wire scl, sda, done;
    pullup (scl);
    pullup (sda);

    i2c_chip_model #(.ADDRESS(7'h74), .PAGED(1)) chip (.scl(scl), .sda(sda));
    si5340a_controller #(.POWER_UP_WAIT(50), .QUARTER(4)) dut (
        .iCLK(clk), .iRST_n(rst_n), .iStart(start),
        .iPLL_OUT0_FREQ_SEL(3'h0), .iPLL_OUT1_FREQ_SEL(3'h1), .iPLL_OUT2_FREQ_SEL(3'h7),
        .iPLL_OUT3_FREQ_SEL(3'h0), .I2C_CLK(scl), .I2C_DATA(sda), .oPLL_REG_CONFIG_DONE(done));

    integer errors = 0;
    `include "i2c_expect.vh"

    task wait_done;
        fork : run
            wait (done) disable run;
            #2_000_000 begin
                $display("FAIL: no done in time");
                errors = errors + 1;
                disable run;
            end
        join
    endtask

    task expect_register(input [15:0] address, input [7:0] value);
        if (chip.regs[address] !== value) begin
            $display("FAIL: register %h is %h, expected %h", address, chip.regs[address], value);
            errors = errors + 1;
        end
    endtask

    task expect_run;
        begin
            expect_write(7'h74, 8'h01, 8'h00);
            expect_read(7'h74, 8'hFE, 8'h00);
            expect_read(7'h74, 8'hFE, 8'h00);
            expect_read(7'h74, 8'hFE, 8'h0F);
            expect_write(7'h74, 8'h01, 8'h01);
            expect_read(7'h74, 8'h12, 8'h06);
            expect_write(7'h74, 8'h12, 8'h05);
            expect_read(7'h74, 8'h17, 8'h05);
            expect_write(7'h74, 8'h17, 8'h06);
            expect_read(7'h74, 8'h26, 8'h01);
            expect_write(7'h74, 8'h26, 8'h02);
            expect_read(7'h74, 8'h2B, 8'h02);
            expect_write(7'h74, 8'h2B, 8'h01);
            expect_no_more_events;
        end
    endtask

    // The chip becomes ready after its second answer to DEVICE_READY.
    integer at_reads = 0;
    always @(chip.event_count)
        if (chip.event_count > 0 && chip.events[chip.event_count - 1] == {2'd3, 8'h00})
            if (at_reads == 1)
                chip.regs[16'h00FE] = 8'h0F;
            else
                at_reads = at_reads + 1;

    task preset;
        begin
            chip.regs[16'h00FE] = 8'h00;
            chip.regs[16'h0112] = 8'h06;
            chip.regs[16'h0117] = 8'h05;
            chip.regs[16'h0126] = 8'h01;
            chip.regs[16'h012B] = 8'h02;
            at_reads = 0;
        end
    endtask

    initial begin
        preset;
        #100 rst_n = 1'b1;
        wait_done;
        expect_run;
        expect_register(16'h0112, 8'h05);
        expect_register(16'h0117, 8'h06);
        expect_register(16'h0126, 8'h02);
        expect_register(16'h012B, 8'h01);

        // Pressing start runs the list again; done falls while it runs.
        preset;
        chip.event_count = 0;
        at = 0;
        #1000 start = 1'b1;
        #200 if (done) begin
            $display("FAIL: done stays up while the list runs again");
            errors = errors + 1;
        end
        start = 1'b0;
        wait_done;
        expect_run;
        if (errors == 0)
            $display("PASS");
        $finish;
    end

endmodule
