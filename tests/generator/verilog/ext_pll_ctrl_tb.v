// ext_pll_ctrl against a model of the board's controller chip: a write frame of
// the settings 0, 1 and 12 (unchanged, disabled, 625 MHz), then a read frame that
// brings them back; conf_ready is low while a frame is on the link.
module ext_pll_ctrl_tb;

    reg clk = 1'b0;
    always #10 clk = ~clk;
    reg rstn = 1'b0;
    reg conf_wr = 1'b0, conf_rd = 1'b0;
    wire sclk, sdat, ready;
    wire [3:0] rd1, rd2, rd3;
    pullup (sdat);

    ext_pll_ctrl #(.QUARTER(4)) dut (
        .osc_50(clk), .rstn(rstn), .clk1_set_wr(4'd0), .clk1_set_rd(rd1), .clk2_set_wr(4'd1), .clk2_set_rd(rd2),
        .clk3_set_wr(4'd12), .clk3_set_rd(rd3), .conf_wr(conf_wr), .conf_rd(conf_rd), .conf_ready(ready),
        .max_sclk(sclk), .max_sdat(sdat));

    // The controller chip: frames as ext_pll_ctrl describes them.
    reg [11:0] settings = 12'hABC;
    integer    frames = 0, starts = 0, stops = 0;
    integer    bits = -1;     // -1 outside a frame
    reg        reading = 1'b0;
    reg [11:0] received = 12'd0;
    reg        chip_low = 1'b0;
    assign sdat = chip_low ? 1'b0 : 1'bz;

    always @(negedge sdat)
        if (sclk === 1'b1) begin
            starts = starts + 1;
            bits = 0;
        end
    always @(posedge sdat)
        if (sclk === 1'b1 && bits >= 0) begin
            stops = stops + 1;
            if (bits == 13) begin
                frames = frames + 1;
                if (!reading)
                    settings = received;
            end
            bits = -1;
        end
    always @(posedge sclk)
        if (bits == 0) begin
            reading = sdat === 1'b1;
            bits = 1;
        end else if (bits > 0 && bits < 13) begin
            received = {received[10:0], sdat === 1'b1};
            bits = bits + 1;
        end
    always @(negedge sclk)
        chip_low = reading && bits >= 1 && bits < 13 && !settings[12 - bits];

    integer errors = 0;

    task wait_ready;
        fork : frame
            wait (ready) disable frame;
            #100_000 begin
                $display("FAIL: the link stays busy");
                errors = errors + 1;
                disable frame;
            end
        join
    endtask

    initial begin
        #100 rstn = 1'b1;
        #100 if (!ready || sclk !== 1'b1 || sdat !== 1'b1) begin
            $display("FAIL: the link is not idle after reset");
            errors = errors + 1;
        end
        conf_wr = 1'b1;
        #200 if (ready) begin
            $display("FAIL: conf_ready stays high during a frame");
            errors = errors + 1;
        end
        wait_ready;
        if (settings !== {4'd0, 4'd1, 4'd12} || frames != 1 || starts != 1 || stops != 1) begin
            $display("FAIL: the chip holds %h after %0d frames", settings, frames);
            errors = errors + 1;
        end
        conf_rd = 1'b1;
        #200 wait_ready;
        if ({rd1, rd2, rd3} !== {4'd0, 4'd1, 4'd12} || frames != 2) begin
            $display("FAIL: read back %h %h %h", rd1, rd2, rd3);
            errors = errors + 1;
        end
        if (errors == 0)
            $display("PASS");
        $finish;
    end

endmodule
