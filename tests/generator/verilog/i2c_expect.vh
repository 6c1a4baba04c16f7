// Checks of a bench against the traffic its i2c_chip_model "chip" recorded.
// The bench declares the counter "errors"; "at" walks the recorded events.
integer at = 0;

task expect_event(input [1:0] kind, input [7:0] value);
    begin
        if (at >= chip.event_count || chip.events[at] !== {kind, value}) begin
            $display("FAIL: event %0d is %h, expected %h", at, chip.events[at], {kind, value});
            errors = errors + 1;
        end
        at = at + 1;
    end
endtask

// One register write of a chip whose 7-bit address is dev.
task expect_write(input [6:0] dev, input [7:0] register, input [7:0] value);
    begin
        expect_event(0, 0);
        expect_event(2, {dev, 1'b0});
        expect_event(2, register);
        expect_event(2, value);
        expect_event(1, 0);
    end
endtask

// One register read, answered with value.
task expect_read(input [6:0] dev, input [7:0] register, input [7:0] value);
    begin
        expect_event(0, 0);
        expect_event(2, {dev, 1'b0});
        expect_event(2, register);
        expect_event(0, 0);
        expect_event(2, {dev, 1'b1});
        expect_event(3, value);
        expect_event(1, 0);
    end
endtask

task expect_no_more_events;
    if (at != chip.event_count) begin
        $display("FAIL: %0d events, expected %0d", chip.event_count, at);
        errors = errors + 1;
    end
endtask
