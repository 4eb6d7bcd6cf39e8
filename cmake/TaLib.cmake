# TA-Lib, built from the C sources that scripts/fetch-talib put into third_party/ta-lib.
set(QX_TALIB_DIR ${PROJECT_SOURCE_DIR}/third_party/ta-lib)
if(NOT EXISTS ${QX_TALIB_DIR}/include/ta_func.h)
  message(FATAL_ERROR "TA-Lib sources missing: run scripts/setup (or scripts/fetch-talib)")
endif()
file(GLOB qx_talib_func ${QX_TALIB_DIR}/src/ta_func/*.c)
add_library(talib STATIC
  ${QX_TALIB_DIR}/src/ta_common/ta_global.c
  ${QX_TALIB_DIR}/src/ta_common/ta_retcode.c
  ${QX_TALIB_DIR}/src/ta_common/ta_version.c
  ${qx_talib_func})
target_include_directories(talib SYSTEM PUBLIC ${QX_TALIB_DIR}/include
                                        PRIVATE ${QX_TALIB_DIR}/src/ta_common)
target_compile_options(talib PRIVATE -w)
set_target_properties(talib PROPERTIES C_STANDARD 99)
