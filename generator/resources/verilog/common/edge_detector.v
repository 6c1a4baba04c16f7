// edge_detector: a one-clock pulse on each rising edge of iIN. iIN may come from
// another clock or a push button: two flip-flops bring it into iCLK's domain
// before the edge is taken.
module edge_detector (
    input  wire iCLK,
    input  wire iRST_n,
    input  wire iIN,
    output wire oRISE
);

    reg [2:0] level; // [0], [1]: synchronizer; [2]: the level one clock before

    always @(posedge iCLK or negedge iRST_n)
        if (!iRST_n)
            level <= 3'b000;
        else
            level <= {level[1:0], iIN};

    assign oRISE = level[1] & ~level[2];

endmodule
