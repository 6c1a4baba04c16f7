// i2c_reg_controller: the Si570's register list for the frequency of iFREQ_MODE,
// one entry per index, in the form initial_config walks.
//
// Register list (Si570 data sheet). The output is fDCO / (HS_DIV * N1) with
// fDCO = fXTAL * RFREQ between 4850 and 5670 MHz, HS_DIV one of 4, 5, 6, 7, 9, 11
// and N1 1 or an even number up to 128; each row takes the lowest fDCO. RFREQ
// (28 fraction bits) is worked out from the nominal crystal of 114.285 MHz. The
// fitted part's own crystal differs from that by its factory tolerance; working it
// out needs the part's start-up frequency, which is not known here, so the output
// is as close to the choice as that tolerance allows.
//
//   device address 0x55
//   index  op      register  mask  value
//   0      MODIFY  137       0x10  0x10   Freeze DCO while the dividers change
//   1      WRITE   7               HS_DIV code [7:5], N1 - 1 bits [6:2]
//   2      WRITE   8               N1 - 1 bits [1:0], RFREQ[37:32]
//   3-6    WRITE   9-12            RFREQ[31:0], high byte first
//   7      MODIFY  137       0x10  0x00   release the DCO
//   8      MODIFY  135       0x40  0x40   NewFreq: the oscillator takes the new settings
//   9      END
//
//   iFREQ_MODE  MHz         HS_DIV  N1  RFREQ        registers 7 to 12
//   3'b000      100         5       10  0x2BC011EB9  22 42 BC 01 1E B9
//   3'b001      125         4       10  0x2BC011EB9  02 42 BC 01 1E B9
//   3'b010      156.25      4       8   0x2BC011EB9  01 C2 BC 01 1E B9
//   3'b011      250         5       4   0x2BC011EB9  20 C2 BC 01 1E B9
//   3'b100      312.5       4       4   0x2BC011EB9  00 C2 BC 01 1E B9
//   3'b101      322.265625  4       4   0x2D1E127AF  00 C2 D1 E1 27 AF
//   3'b110      644.53125   4       2   0x2D1E127AF  00 42 D1 E1 27 AF
//   3'b111      no frequency: the list is empty and the oscillator keeps its own
module i2c_reg_controller (
    input  wire [2:0] iFREQ_MODE,
    input  wire [4:0] iINDEX,
    output wire [6:0] oDEV,
    output reg  [1:0] oOP,
    output reg  [7:0] oREG,
    output reg  [7:0] oMASK,
    output reg  [7:0] oVALUE
);

    localparam [1:0] OP_END = 2'd0, OP_WRITE = 2'd1, OP_MODIFY = 2'd2;

    assign oDEV = 7'h55;

    reg [47:0] dividers; // registers 7 to 12

    always @*
        case (iFREQ_MODE)
            3'b000: dividers = 48'h22_42_BC_01_1E_B9;
            3'b001: dividers = 48'h02_42_BC_01_1E_B9;
            3'b010: dividers = 48'h01_C2_BC_01_1E_B9;
            3'b011: dividers = 48'h20_C2_BC_01_1E_B9;
            3'b100: dividers = 48'h00_C2_BC_01_1E_B9;
            3'b101: dividers = 48'h00_C2_D1_E1_27_AF;
            3'b110: dividers = 48'h00_42_D1_E1_27_AF;
            default: dividers = 48'h00_00_00_00_00_00;
        endcase

    always @* begin
        oOP = OP_END;
        oREG = 8'd0;
        oMASK = 8'h00;
        oVALUE = 8'h00;
        if (iFREQ_MODE != 3'b111)
            case (iINDEX)
                5'd0: {oOP, oREG, oMASK, oVALUE} = {OP_MODIFY, 8'd137, 8'h10, 8'h10};
                5'd1: {oOP, oREG, oVALUE} = {OP_WRITE, 8'd7, dividers[47:40]};
                5'd2: {oOP, oREG, oVALUE} = {OP_WRITE, 8'd8, dividers[39:32]};
                5'd3: {oOP, oREG, oVALUE} = {OP_WRITE, 8'd9, dividers[31:24]};
                5'd4: {oOP, oREG, oVALUE} = {OP_WRITE, 8'd10, dividers[23:16]};
                5'd5: {oOP, oREG, oVALUE} = {OP_WRITE, 8'd11, dividers[15:8]};
                5'd6: {oOP, oREG, oVALUE} = {OP_WRITE, 8'd12, dividers[7:0]};
                5'd7: {oOP, oREG, oMASK, oVALUE} = {OP_MODIFY, 8'd137, 8'h10, 8'h00};
                5'd8: {oOP, oREG, oMASK, oVALUE} = {OP_MODIFY, 8'd135, 8'h40, 8'h40};
                default: oOP = OP_END;
            endcase
    end

endmodule
