// i2c_controller: passes a register access on to i2c_bus_controller and repeats it
// when the chip does not acknowledge, up to TRIES tries in all: the Si570 does not
// answer while it loads its start-up settings. Only the last try's outcome reaches
// the caller. Register, data and read-back travel straight between the two.
module i2c_controller #(
    parameter integer TRIES = 3
) (
    input  wire iCLK,
    input  wire iRST_n,
    // from the register walk
    input  wire iGO,
    output reg  oDONE,
    output reg  oNACK,
    // to the bus engine
    output reg  oBUS_GO,
    input  wire iBUS_DONE,
    input  wire iBUS_NACK
);

    localparam integer W = $clog2(TRIES + 1);
    localparam [31:0] LAST = TRIES - 1;

    reg [W-1:0] tries;

    always @(posedge iCLK or negedge iRST_n)
        if (!iRST_n) begin
            tries <= {W{1'b0}};
            oBUS_GO <= 1'b0;
            oDONE <= 1'b0;
            oNACK <= 1'b0;
        end else begin
            oBUS_GO <= 1'b0;
            oDONE <= 1'b0;
            if (iGO) begin
                tries <= {W{1'b0}};
                oBUS_GO <= 1'b1;
            end else if (iBUS_DONE) begin
                if (iBUS_NACK && tries != LAST[W-1:0]) begin
                    tries <= tries + 1'b1;
                    oBUS_GO <= 1'b1;
                end else begin
                    oDONE <= 1'b1;
                    oNACK <= iBUS_NACK;
                end
            end
        end

endmodule
