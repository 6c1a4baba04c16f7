// clock_divider: a one-clock enable pulse every DIVIDE input clocks. The bus
// engines step on this pulse instead of running on a second, slower clock.
module clock_divider #(
    parameter integer DIVIDE = 125 // input clocks per pulse, at least 2
) (
    input  wire iCLK,
    input  wire iRST_n,
    output reg  oTICK
);

    localparam integer W = $clog2(DIVIDE);
    localparam [31:0] LAST = DIVIDE - 1;

    reg [W-1:0] count;

    always @(posedge iCLK or negedge iRST_n)
        if (!iRST_n) begin
            count <= {W{1'b0}};
            oTICK <= 1'b0;
        end else if (count == LAST[W-1:0]) begin
            count <= {W{1'b0}};
            oTICK <= 1'b1;
        end else begin
            count <= count + 1'b1;
            oTICK <= 1'b0;
        end

endmodule
