// The built-in effects' byte sets, as make_effects wrote them, in the read-only data.
#if defined(_WIN32)
  .section .rdata,"dr"
#else
  .section .rodata
#endif
  .globl lanxing_effect_images
  .globl lanxing_effect_images_end
  .balign 4
lanxing_effect_images:
  .incbin LANXING_EFFECT_IMAGES
lanxing_effect_images_end:
#if defined(__ELF__)
  .section .note.GNU-stack,"",@progbits
#endif
