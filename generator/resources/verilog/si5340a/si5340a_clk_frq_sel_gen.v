// si5340a_clk_frq_sel_gen: the four outputs' choices as the register list reads
// them: followed while no configuration runs and held while one does, so that one
// run writes one consistent set.
module si5340a_clk_frq_sel_gen (
    input  wire        iCLK,
    input  wire        iRST_n,
    input  wire        iHOLD,
    input  wire [2:0]  iOUT0_SEL,
    input  wire [2:0]  iOUT1_SEL,
    input  wire [2:0]  iOUT2_SEL,
    input  wire [2:0]  iOUT3_SEL,
    output reg  [11:0] oSEL
);

    always @(posedge iCLK or negedge iRST_n)
        if (!iRST_n)
            oSEL <= 12'd0;
        else if (!iHOLD)
            oSEL <= {iOUT3_SEL, iOUT2_SEL, iOUT1_SEL, iOUT0_SEL};

endmodule
