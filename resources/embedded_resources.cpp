// The library's resources (the twenty-two bitmaps and the version block)
// carried inside the library file itself as one standard .res image, in the
// section named ".res". The panel host finds a bitmap by reading that
// section of the library it loaded; the section defines no symbol, so
// nothing more is exported. Windows builds carry the same resources the
// native way, from drennomar.rc.
#ifndef DRENNOMAR_RES_FILE
#error "DRENNOMAR_RES_FILE names the compiled resource image"
#endif

__asm__(
    ".pushsection .res,\"a\",@progbits\n"
    ".balign 4\n"
    ".incbin \"" DRENNOMAR_RES_FILE
    "\"\n"
    ".popsection\n");
