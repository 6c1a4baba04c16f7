// initial_config: writes a clock chip's register list, once after power-up and
// again on each rising edge of iSTART. The list itself lives in the chip's own
// module, which answers oINDEX with one entry:
//   OP_END     the list is complete
//   OP_WRITE   write iVALUE to iREG
//   OP_MODIFY  read iREG, replace the bits of iMASK by those of iVALUE, write it back
//   OP_POLL    read iREG until its iMASK bits equal iVALUE (at most POLL_TRIES reads)
// Each access goes to the I2C engine (i2c_bus_controller or a layer over it). A
// byte the chip does not acknowledge, or a poll that never matches, ends the run
// without oCONFIG_DONE; the next rising edge of iSTART tries again.
module initial_config #(
    parameter integer POWER_UP_WAIT = 2_500_000, // input clocks before the first run: 50 ms at 50 MHz
    parameter integer POLL_TRIES    = 100
) (
    input  wire       iCLK,
    input  wire       iRST_n,
    input  wire       iSTART,
    // the chip's register list
    output reg  [4:0] oINDEX,
    input  wire [1:0] iOP,
    input  wire [7:0] iREG,
    input  wire [7:0] iMASK,
    input  wire [7:0] iVALUE,
    // register accesses
    output reg        oGO,
    output reg        oREAD,
    output reg  [7:0] oREG,
    output reg  [7:0] oDATA,
    input  wire       iDONE,
    input  wire       iNACK,
    input  wire [7:0] iRDATA,
    // progress
    output reg        oBUSY,
    output reg        oCONFIG_DONE
);

    localparam [1:0] OP_END = 2'd0, OP_WRITE = 2'd1, OP_MODIFY = 2'd2, OP_POLL = 2'd3;
    localparam [1:0] W_IDLE = 2'd0, W_FETCH = 2'd1, W_READ = 2'd2, W_WRITE = 2'd3;

    localparam integer WAIT_W = $clog2(POWER_UP_WAIT + 1);
    localparam [31:0] WAIT_LAST = POWER_UP_WAIT;
    localparam integer TRY_W = $clog2(POLL_TRIES + 1);
    localparam [31:0] TRY_LAST = POLL_TRIES - 1;

    wire restart;
    edge_detector start_edge (.iCLK(iCLK), .iRST_n(iRST_n), .iIN(iSTART), .oRISE(restart));

    reg [WAIT_W-1:0] wait_count;
    reg              powered_up;
    reg [1:0]        state;
    reg [TRY_W-1:0]  tries;

    always @(posedge iCLK or negedge iRST_n)
        if (!iRST_n) begin
            wait_count <= {WAIT_W{1'b0}};
            powered_up <= 1'b0;
        end else if (!powered_up) begin
            if (wait_count == WAIT_LAST[WAIT_W-1:0])
                powered_up <= 1'b1;
            else
                wait_count <= wait_count + 1'b1;
        end

    wire first_run = !powered_up && wait_count == WAIT_LAST[WAIT_W-1:0];

    always @(posedge iCLK or negedge iRST_n)
        if (!iRST_n) begin
            state <= W_IDLE;
            oINDEX <= 5'd0;
            tries <= {TRY_W{1'b0}};
            oGO <= 1'b0;
            oREAD <= 1'b0;
            oREG <= 8'd0;
            oDATA <= 8'd0;
            oBUSY <= 1'b0;
            oCONFIG_DONE <= 1'b0;
        end else begin
            oGO <= 1'b0;
            case (state)
                W_IDLE:
                    if (first_run || (restart && powered_up)) begin
                        oINDEX <= 5'd0;
                        oBUSY <= 1'b1;
                        oCONFIG_DONE <= 1'b0;
                        state <= W_FETCH;
                    end
                W_FETCH: begin
                    tries <= {TRY_W{1'b0}};
                    oREG <= iREG;
                    case (iOP)
                        OP_END: begin
                            oBUSY <= 1'b0;
                            oCONFIG_DONE <= 1'b1;
                            state <= W_IDLE;
                        end
                        OP_WRITE: begin
                            oGO <= 1'b1;
                            oREAD <= 1'b0;
                            oDATA <= iVALUE;
                            state <= W_WRITE;
                        end
                        OP_MODIFY, OP_POLL: begin
                            oGO <= 1'b1;
                            oREAD <= 1'b1;
                            state <= W_READ;
                        end
                    endcase
                end
                W_READ:
                    if (iDONE) begin
                        if (iNACK) begin
                            oBUSY <= 1'b0;
                            state <= W_IDLE;
                        end else if (iOP == OP_MODIFY) begin
                            oGO <= 1'b1;
                            oREAD <= 1'b0;
                            oDATA <= (iRDATA & ~iMASK) | (iVALUE & iMASK);
                            state <= W_WRITE;
                        end else if ((iRDATA & iMASK) == iVALUE) begin
                            oINDEX <= oINDEX + 5'd1;
                            state <= W_FETCH;
                        end else if (tries == TRY_LAST[TRY_W-1:0]) begin
                            oBUSY <= 1'b0;
                            state <= W_IDLE;
                        end else begin
                            tries <= tries + 1'b1;
                            oGO <= 1'b1;
                        end
                    end
                default: // W_WRITE
                    if (iDONE) begin
                        if (iNACK) begin
                            oBUSY <= 1'b0;
                            state <= W_IDLE;
                        end else begin
                            oINDEX <= oINDEX + 5'd1;
                            state <= W_FETCH;
                        end
                    end
            endcase
        end

endmodule
