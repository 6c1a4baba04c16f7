// si5340b_freq_prameter_selector: the Si5340B's register list (the QDRII
// reference clock of the Embrel board), one entry per index, in the form
// initial_config walks.
//
// Register list (Si5340 reference manual; 16-bit addresses, the page selected by
// writing it to register 0x01):
//   device address 0x74: the family's base address with both address pins low;
//   how the board wires those pins is not known here
//   index  op      register  mask  value
//   0      WRITE   0x0001          0x00   PAGE 0
//   1      POLL    0x00FE    0xFF  0x0F   DEVICE_READY reads 0x0F once the chip takes settings
//   2      END
//
//   choice (top-level define)  QDRII (MHz)
//   REFCLK_QDR275   4'h0       275
//   REFCLK_QDR250   4'h1       250
//   REFCLK_QDR225   4'h2       225
//
// Left out: every choice's own entries. Which of the chip's outputs feeds the
// QDRII reference clock is board wiring not known here, and each frequency comes
// from a plan (the board's crystal, the M, N and R dividers and matching
// loop-bandwidth words) worked out with the vendor's planning tool. The chip
// therefore keeps the plan it starts with.
module si5340b_freq_prameter_selector (
    input  wire [4:0] iINDEX,
    // The choice has no entries of its own yet (see above).
    /* verilator lint_off UNUSEDSIGNAL */
    input  wire [3:0] iSEL,
    /* verilator lint_on UNUSEDSIGNAL */
    output wire [6:0] oDEV,
    output reg  [1:0] oOP,
    output reg  [7:0] oREG,
    output reg  [7:0] oMASK,
    output reg  [7:0] oVALUE
);

    localparam [1:0] OP_END = 2'd0, OP_WRITE = 2'd1, OP_POLL = 2'd3;

    assign oDEV = 7'h74;

    always @* begin
        oOP = OP_END;
        oREG = 8'h00;
        oMASK = 8'h00;
        oVALUE = 8'h00;
        case (iINDEX)
            5'd0: {oOP, oREG, oVALUE} = {OP_WRITE, 8'h01, 8'h00};
            5'd1: {oOP, oREG, oMASK, oVALUE} = {OP_POLL, 8'hFE, 8'hFF, 8'h0F};
            default: oOP = OP_END;
        endcase
    end

endmodule
