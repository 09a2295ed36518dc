# The icon and the button glyphs, drawn at build time from the pixel art in res/art/ by res/make_art.py.
# Defines ROMINADO_ART_DIR (where they are written), ROMINADO_ART_OUTPUTS (the files) and the target
# rominado_art, and makes res/Rominado.rc find them and recompile when they change.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(ROMINADO_ART_DIR ${CMAKE_BINARY_DIR}/art)
set(ROMINADO_ART_OUTPUTS ${ROMINADO_ART_DIR}/Rominado.ico ${ROMINADO_ART_DIR}/ProgramIcon.bmp
                         ${ROMINADO_ART_DIR}/ProgramIcon2x.bmp)
foreach(glyph BtnClose BtnSave BtnClear BtnEdit BtnFont BtnSet BtnVer BtnHelp)
  list(APPEND ROMINADO_ART_OUTPUTS ${ROMINADO_ART_DIR}/${glyph}.bmp ${ROMINADO_ART_DIR}/${glyph}2x.bmp)
endforeach()
file(GLOB ROMINADO_ART_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/art/*.txt)

add_custom_command(
  OUTPUT ${ROMINADO_ART_OUTPUTS}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/make_art.py --art ${CMAKE_CURRENT_LIST_DIR}/art
          ${ROMINADO_ART_DIR}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/make_art.py ${ROMINADO_ART_SOURCES}
  COMMENT "Drawing the icon and the button glyphs"
  VERBATIM)
# Every target whose resources include the art depends on this one, so the pictures are drawn once, before
# any of them compiles its .rc (with make, a custom command attached to two targets may otherwise run twice at
# once).
add_custom_target(rominado_art DEPENDS ${ROMINADO_ART_OUTPUTS})

# windres looks up the files named in ICON and BITMAP statements on its include path; the .rc's include
# scanning does not see them, hence the explicit dependencies.
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/Rominado.rc
             APPEND PROPERTY INCLUDE_DIRECTORIES ${ROMINADO_ART_DIR})
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/Rominado.rc
             APPEND PROPERTY OBJECT_DEPENDS ${ROMINADO_ART_OUTPUTS})
