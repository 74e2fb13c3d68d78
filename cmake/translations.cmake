# Translation files are read from the program's folder at run time:
#   data/ZOZOrureLibrary_<code>.qm  foundation texts
#   data/ZOZOrure_<code>.qm         texts of the model, video, plan, 3D, entry, project and report code
#   i18n/zozorure_<code>.qm         texts of the application shell
#   data/qt_<code>.qm               Qt's own texts (Debian's qtbase_<code>.qm)
set(ZZ_LANGUAGE_CODES da en es fi fr hr nb pl ru)

# Compiles every .ts of translations/ whose name starts with PREFIX into DEST_DIR.
function(zz_compile_translations target prefix dest_dir)
  file(GLOB ts_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/${prefix}_*.ts)
  set(outputs)
  foreach(ts ${ts_files})
    get_filename_component(base ${ts} NAME_WE)
    set(qm ${dest_dir}/${base}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dest_dir}
      COMMAND Qt5::lrelease -silent ${ts} -qm ${qm}
      DEPENDS ${ts} VERBATIM)
    list(APPEND outputs ${qm})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()

# Copies Qt's own translations for the program's languages, where Debian ships them.
function(zz_copy_qt_translations target dest_dir)
  set(qt_tr_dir /usr/share/qt5/translations)
  set(outputs)
  foreach(code de ${ZZ_LANGUAGE_CODES})
    if(EXISTS ${qt_tr_dir}/qtbase_${code}.qm)
      set(out ${dest_dir}/qt_${code}.qm)
      add_custom_command(OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dest_dir}
        COMMAND ${CMAKE_COMMAND} -E copy ${qt_tr_dir}/qtbase_${code}.qm ${out}
        DEPENDS ${qt_tr_dir}/qtbase_${code}.qm VERBATIM)
      list(APPEND outputs ${out})
    endif()
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()

# Reads the texts of the sources into translations/*.ts; new texts come in unfinished and need a
# translation. Not part of the normal build, since it rewrites files of the source tree:
#   cmake --build build --target update_translations
add_custom_target(update_translations
  COMMAND ${CMAKE_COMMAND} -E env LUPDATE=$<TARGET_FILE:Qt5::lupdate> sh ${CMAKE_SOURCE_DIR}/tools/translations/update.sh
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} VERBATIM)

# A pseudo translation of each set (every text "[" + source + "]"), made from the English sources,
# into DEST_DIR as <set>_pseudo.qm; tests install it to find texts that bypass the translation.
function(zz_pseudo_translations target dest_dir)
  set(outputs)
  foreach(set ZOZOrureLibrary ZOZOrure zozorure)
    set(ts ${CMAKE_SOURCE_DIR}/translations/${set}_en.ts)
    set(pseudo_ts ${CMAKE_CURRENT_BINARY_DIR}/${target}/${set}_pseudo.ts)
    set(qm ${dest_dir}/${set}_pseudo.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${CMAKE_COMMAND} -DIN=${ts} -DOUT=${pseudo_ts} -P ${CMAKE_SOURCE_DIR}/cmake/pseudotranslation.cmake
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dest_dir}
      COMMAND Qt5::lrelease -silent ${pseudo_ts} -qm ${qm}
      DEPENDS ${ts} ${CMAKE_SOURCE_DIR}/cmake/pseudotranslation.cmake VERBATIM)
    list(APPEND outputs ${qm})
  endforeach()
  add_custom_target(${target} DEPENDS ${outputs})
endfunction()
