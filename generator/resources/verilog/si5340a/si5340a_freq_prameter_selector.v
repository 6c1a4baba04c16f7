// si5340a_freq_prameter_selector: the Si5340A's register list for the four output
// choices, one entry per index, in the form initial_config walks.
//
// Register list (Si5340 reference manual). Registers have 16-bit addresses: the
// upper byte is the page, selected by writing it to register 0x01 (present on
// every page); the lower byte follows the device address.
//   device address 0x74: the family's base address with both address pins low;
//   how the board wires those pins is not known here
//   index  op      register  mask  value
//   0      WRITE   0x0001          0x00      PAGE 0
//   1      POLL    0x00FE    0xFF  0x0F      DEVICE_READY reads 0x0F once the chip takes settings
//   2      WRITE   0x0001          0x01      PAGE 1
//   3      MODIFY  0x0112    0x03  OUT0      output 0 (QSFP A) configuration: bit 0 PDN, bit 1 OE
//   4      MODIFY  0x0117    0x03  OUT1      output 1 (QSFP B)
//   5      MODIFY  0x0126    0x03  OUT2      output 2 (QSFP C)
//   6      MODIFY  0x012B    0x03  OUT3      output 3 (QSFP D)
//   7      END
//
//   choice (top-level define)    OUTn value
//   SI5340A_POWER_DOWN  3'h0     0x01  powered down, driver off
//   SI5340A_644M53125   3'h1     0x02  running, driver on
//   SI5340A_322M265625  3'h2     0x02
//   SI5340A_312M5       3'h3     0x02
//   SI5340A_250M        3'h4     0x02
//   SI5340A_156M25      3'h5     0x02
//   SI5340A_125M        3'h6     0x02
//   SI5340A_100M        3'h7     0x02
//
// Left out: the frequency plan. An output's frequency comes from the VCO (the
// crystal times the M divider), its N divider and its R divider, and a changed
// plan needs matching loop-bandwidth words; all of them follow from the board's
// crystal and a plan worked out with the vendor's planning tool, neither of which
// is known here. A running output therefore has the frequency of the plan the chip
// starts with.
module si5340a_freq_prameter_selector (
    input  wire [4:0]  iINDEX,
    input  wire [11:0] iSEL,   // output 3 .. output 0, three bits each
    output wire [6:0]  oDEV,
    output reg  [1:0]  oOP,
    output reg  [7:0]  oREG,
    output reg  [7:0]  oMASK,
    output reg  [7:0]  oVALUE
);

    localparam [1:0] OP_END = 2'd0, OP_WRITE = 2'd1, OP_MODIFY = 2'd2, OP_POLL = 2'd3;

    assign oDEV = 7'h74;

    function [7:0] out_config(input [2:0] choice);
        out_config = choice == 3'h0 ? 8'h01 : 8'h02;
    endfunction

    always @* begin
        oOP = OP_END;
        oREG = 8'h00;
        oMASK = 8'h00;
        oVALUE = 8'h00;
        case (iINDEX)
            5'd0: {oOP, oREG, oVALUE} = {OP_WRITE, 8'h01, 8'h00};
            5'd1: {oOP, oREG, oMASK, oVALUE} = {OP_POLL, 8'hFE, 8'hFF, 8'h0F};
            5'd2: {oOP, oREG, oVALUE} = {OP_WRITE, 8'h01, 8'h01};
            5'd3: {oOP, oREG, oMASK, oVALUE} = {OP_MODIFY, 8'h12, 8'h03, out_config(iSEL[2:0])};
            5'd4: {oOP, oREG, oMASK, oVALUE} = {OP_MODIFY, 8'h17, 8'h03, out_config(iSEL[5:3])};
            5'd5: {oOP, oREG, oMASK, oVALUE} = {OP_MODIFY, 8'h26, 8'h03, out_config(iSEL[8:6])};
            5'd6: {oOP, oREG, oMASK, oVALUE} = {OP_MODIFY, 8'h2B, 8'h03, out_config(iSEL[11:9])};
            default: oOP = OP_END;
        endcase
    end

endmodule
