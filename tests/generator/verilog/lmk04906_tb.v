// The LMK04906's MICROWIRE engine: one 32-bit word, the bits the chip reads on the
// rising edges of CLK, the LE pulse after the last bit and the done pulse. Then
// SPI_LMK04906_Config, whose register list is empty: done after the power-up wait,
// no word sent.
module lmk04906_tb;

    reg clk = 1'b0;
    always #10 clk = ~clk;
    reg rst_n = 1'b0;
    reg go = 1'b0;
    wire mw_clk, mw_data, mw_le, done;

    lmk04906_microwire #(.HALF_BIT(3)) engine (
        .iCLK(clk), .iRST_n(rst_n), .iGO(go), .iWORD(32'hA5C3_0F1E), .oDONE(done), .oCLK(mw_clk),
        .oDATA(mw_data), .oLE(mw_le));

    wire cfg_clk, cfg_data, cfg_le, spi_done;
    SPI_LMK04906_Config #(.POWER_UP_WAIT(50), .HALF_BIT(3)) listed (
        .clk50(clk), .rst_n(rst_n), .iFREQ_SELECT(4'hA), .LMK04906_CLK(cfg_clk), .LMK04906_DATAIN(cfg_data),
        .LMK04906_LE(cfg_le), .SPI_DONE(spi_done));

    // The chip: shifts DATAIN in on CLK's rising edge, takes the word when LE rises.
    reg [31:0] shifted = 32'd0, taken = 32'd0;
    integer    clocks = 0, latches = 0, config_edges = 0;
    always @(posedge mw_clk) begin
        shifted = {shifted[30:0], mw_data};
        clocks = clocks + 1;
    end
    always @(posedge mw_le) begin
        taken = shifted;
        latches = latches + 1;
    end
    always @(posedge cfg_clk or posedge cfg_le)
        config_edges = config_edges + 1;

    integer errors = 0;

    initial begin
        #100 rst_n = 1'b1;
        @(negedge clk) go = 1'b1;
        @(negedge clk) go = 1'b0;
        fork : word
            @(posedge done) disable word;
            #100_000 begin
                $display("FAIL: no done");
                errors = errors + 1;
                disable word;
            end
        join
        if (taken !== 32'hA5C3_0F1E || clocks != 32 || latches != 1 || mw_le !== 1'b0 || mw_clk !== 1'b0) begin
            $display("FAIL: chip took %h after %0d clocks and %0d latches", taken, clocks, latches);
            errors = errors + 1;
        end
        if (!spi_done || config_edges != 0) begin
            $display("FAIL: config done %b after %0d edges", spi_done, config_edges);
            errors = errors + 1;
        end
        if (errors == 0)
            $display("PASS");
        $finish;
    end

endmodule
