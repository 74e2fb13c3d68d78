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
