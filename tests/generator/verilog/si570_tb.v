// si570_controller against a model Si570: choice 3'b101 (322.265625 MHz) after
// two unanswered tries, with a reserved bit of register 137 that must stay set.
// Then resets that come while the chip holds SDA low in the middle of a byte: the
// run after each must free the bus before its first START and set the oscillator
// as usual, and ready must rise only after that.
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

    // Where the chip is when the reset comes: sending a 0 bit of the byte it was
    // asked for (register 137, 0x0A), or acknowledging the register byte of the
    // write to register 9 (the DCO is frozen by then: register 137 reads 0x1A).
    localparam integer SENDING_ZERO = 0, ACKNOWLEDGING = 1;

    integer ready_events;
    always @(posedge ready)
        ready_events = chip.event_count;

    task reset_mid_byte(input integer where, input [7:0] reg137_found);
        integer k;
        begin
            chip.regs[137] = 8'h0A;
            chip.regs[135] = 8'h00;
            for (k = 7; k <= 12; k = k + 1)
                chip.regs[k] = 8'h00;
            // A fresh run, then the reset in the middle of its byte while SCL is high.
            rst_n = 1'b0;
            #100 rst_n = 1'b1;
            if (where == SENDING_ZERO)
                wait (chip.state == chip.READ && chip.bits == 3 && chip.sda_low);
            else
                wait (chip.state == chip.WRITE && chip.acking && chip.ptr == 16'd9);
            @(posedge scl) #40 rst_n = 1'b0;
            #1000 chip.event_count = 0;
            at = 0;
            rst_n = 1'b1;
            fork : rerun
                wait (ready) disable rerun;
                #2_000_000 begin
                    $display("FAIL: not ready in time after reset %0d", where);
                    errors = errors + 1;
                    disable rerun;
                end
            join
            // The bus is freed with a STOP, then the run starts over.
            expect_event(1, 0);
            expect_read(7'h55, 8'd137, reg137_found);
            expect_write(7'h55, 8'd137, 8'h1A);
            expect_write(7'h55, 8'd7, 8'h00);
            expect_write(7'h55, 8'd8, 8'hC2);
            expect_write(7'h55, 8'd9, 8'hD1);
            expect_write(7'h55, 8'd10, 8'hE1);
            expect_write(7'h55, 8'd11, 8'h27);
            expect_write(7'h55, 8'd12, 8'hAF);
            expect_read(7'h55, 8'd137, 8'h1A);
            expect_write(7'h55, 8'd137, 8'h0A);
            expect_read(7'h55, 8'd135, 8'h00);
            expect_write(7'h55, 8'd135, 8'h40);
            expect_no_more_events;
            if (ready_events !== at) begin
                $display("FAIL: ready after %0d events, expected %0d (reset %0d)", ready_events, at, where);
                errors = errors + 1;
            end
            if (chip.regs[137] !== 8'h0A || chip.regs[135] !== 8'h40 || chip.regs[9] !== 8'hD1) begin
                $display("FAIL: registers 137 %h, 135 %h, 9 %h after reset %0d", chip.regs[137], chip.regs[135],
                         chip.regs[9], where);
                errors = errors + 1;
            end
        end
    endtask

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

        reset_mid_byte(SENDING_ZERO, 8'h0A);
        reset_mid_byte(ACKNOWLEDGING, 8'h1A);
        if (errors == 0)
            $display("PASS");
        $finish;
    end

endmodule
