// A clock chip on an I2C bus, as the benches see it: it answers its address,
// acknowledges the bytes written to it, keeps a register file and records the bus
// traffic as a list of events for the bench to compare.
//   events[k] = {kind, byte}: kind 0 START, 1 STOP, 2 byte acknowledged,
//   3 byte not acknowledged (by the chip when written, by the master when read)
module i2c_chip_model #(
    parameter [6:0] ADDRESS   = 7'h55,
    parameter integer REG_BYTES = 1, // register address bytes that follow the device address
    parameter integer PAGED     = 0  // 1: writing register 0x01 selects the page (upper address byte)
) (
    input wire scl,
    inout wire sda
);

    reg [7:0] regs [0:65535];
    reg [9:0] events [0:4095];
    integer   event_count = 0;
    integer   refuse = 0;       // so many coming address bytes go unanswered
    reg       sda_low = 1'b0;
    assign sda = sda_low ? 1'b0 : 1'bz;

    localparam IDLE = 0, ADDR = 1, WRITE = 2, READ = 3, IGNORE = 4;
    integer   state = IDLE;
    integer   bits = 0;          // bits of the current byte moved
    integer   bytes = 0;         // bytes written since the address
    reg [7:0] shift = 8'd0;
    reg       acking = 1'b0;
    reg       master_ack = 1'b0;
    reg [15:0] ptr = 16'd0;
    reg [7:0] page = 8'd0;

    task record(input [1:0] kind, input [7:0] value);
        begin
            events[event_count] = {kind, value};
            event_count = event_count + 1;
        end
    endtask

    function [15:0] where(input [15:0] p);
        where = PAGED ? {page, p[7:0]} : p;
    endfunction

    always @(negedge sda)
        if (scl === 1'b1) begin
            record(2'd0, 8'h00);
            state = ADDR;
            bits = 0;
            bytes = 0;
            acking = 1'b0;
        end

    always @(posedge sda)
        if (scl === 1'b1 && state != IDLE) begin
            record(2'd1, 8'h00);
            state = IDLE;
            sda_low = 1'b0;
        end

    always @(posedge scl)
        if ((state == ADDR || state == WRITE) && !acking && bits < 8) begin
            shift = {shift[6:0], sda === 1'b0 ? 1'b0 : 1'b1};
            bits = bits + 1;
        end else if (state == READ && bits == 9)
            master_ack = sda === 1'b0;

    // A written byte is complete: answer it.
    task take_byte;
        begin
            if (state == ADDR) begin
                if (shift[7:1] == ADDRESS && refuse == 0) begin
                    record(2'd2, shift);
                    sda_low = 1'b1;
                    acking = 1'b1;
                    state = shift[0] ? READ : WRITE;
                end else begin
                    if (shift[7:1] == ADDRESS)
                        refuse = refuse - 1;
                    record(2'd3, shift);
                    state = IGNORE;
                end
            end else begin
                record(2'd2, shift);
                sda_low = 1'b1;
                acking = 1'b1;
                if (bytes < REG_BYTES)
                    ptr = REG_BYTES == 1 ? {8'd0, shift} : {ptr[7:0], shift};
                else begin
                    regs[where(ptr)] = shift;
                    if (PAGED && ptr[7:0] == 8'h01)
                        page = shift;
                    ptr = ptr + 16'd1;
                end
                bytes = bytes + 1;
            end
        end
    endtask

    always @(negedge scl)
        case (state)
            ADDR, WRITE:
                if (acking) begin
                    sda_low = 1'b0;
                    acking = 1'b0;
                    bits = 0;
                end else if (bits == 8)
                    take_byte;
            READ:
                if (acking) begin
                    // End of the address acknowledge: the first data bit goes out.
                    acking = 1'b0;
                    bits = 1;
                    shift = regs[where(ptr)];
                    sda_low = !shift[7];
                end else if (bits < 8) begin
                    sda_low = !shift[7 - bits];
                    bits = bits + 1;
                end else if (bits == 8) begin
                    sda_low = 1'b0;      // the master's acknowledge slot
                    bits = 9;
                end else begin
                    record(master_ack ? 2'd2 : 2'd3, shift);
                    ptr = ptr + 16'd1;
                    if (master_ack) begin
                        shift = regs[where(ptr)];
                        sda_low = !shift[7];
                        bits = 1;
                    end else
                        state = IGNORE;
                end
            default: ;
        endcase

endmodule
