/* The caption font, linked into the binary so that text renders the same
   on every machine without looking for fonts. GC_FONT_FILE is the absolute
   path of the TrueType file, given by the build. */
        .section .rodata
        .balign 16
        .globl gc_font_data
        .type gc_font_data, @object
gc_font_data:
        .incbin GC_FONT_FILE
        .globl gc_font_data_end
        .type gc_font_data_end, @object
gc_font_data_end:
        .byte 0
        .section .note.GNU-stack,"",@progbits
