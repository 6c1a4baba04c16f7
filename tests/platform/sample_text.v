module sample;
endmodule
