// CDCM6100x_Config's pin levels for choice 9 (312.5 MHz): enabled, reset while
// recal_n is low and HOLD clocks longer, the frequency pins released.
module cdcm6100x_tb;

    reg clk = 1'b0;
    always #10 clk = ~clk;
    reg recal_n = 1'b0;
    wire ce, rst_n;
    wire [2:0] od;
    wire [1:0] os, pr;

    CDCM6100x_Config #(.HOLD(20)) dut (
        .clk_50m(clk), .recal_n(recal_n), .desired_freq(4'd9), .CLK_CE(ce), .CLK_OD(od), .CLK_OS(os),
        .CLK_PR(pr), .CLK_RST_n(rst_n));

    integer errors = 0;

    task expect_pins(input expected_rst_n);
        if (ce !== 1'b1 || rst_n !== expected_rst_n || od !== 3'bzzz || os !== 2'bzz || pr !== 2'bzz) begin
            $display("FAIL: CE %b RST_n %b OD %b OS %b PR %b at %0t", ce, rst_n, od, os, pr, $time);
            errors = errors + 1;
        end
    endtask

    initial begin
        #100 expect_pins(1'b0);
        @(negedge clk) recal_n = 1'b1;
        repeat (19) @(negedge clk);
        expect_pins(1'b0);
        repeat (3) @(negedge clk);
        expect_pins(1'b1);
        // A new calibration: reset at once, released HOLD clocks after recal_n.
        recal_n = 1'b0;
        #1 expect_pins(1'b0);
        @(negedge clk) recal_n = 1'b1;
        repeat (19) @(negedge clk);
        expect_pins(1'b0);
        repeat (3) @(negedge clk);
        expect_pins(1'b1);
        if (errors == 0)
            $display("PASS");
        $finish;
    end

endmodule
