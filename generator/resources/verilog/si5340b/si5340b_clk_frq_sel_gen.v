// si5340b_clk_frq_sel_gen: the Si5340B's choice (a top-level define, one code for
// all its outputs) as the register list reads it: followed while no configuration
// runs and held while one does, so that one run writes one consistent set.
module si5340b_clk_frq_sel_gen (
    input  wire       iCLK,
    input  wire       iRST_n,
    input  wire       iHOLD,
    input  wire [3:0] iFREQ_SEL,
    output reg  [3:0] oSEL
);

    always @(posedge iCLK or negedge iRST_n)
        if (!iRST_n)
            oSEL <= 4'd0;
        else if (!iHOLD)
            oSEL <= iFREQ_SEL;

endmodule
