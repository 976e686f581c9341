# The wheel (cmake -P, from the target wheel): the module with libhalic and
# libhali beside it under their sonames, libhalic given the run path $ORIGIN to
# find libhali there, both stripped as a package's are; built by the machine's
# Python packaging tools without a network (--no-isolation).
file(REMOVE_RECURSE ${TREE})
file(GLOB modules ${SOURCE}/hali/*.py)
foreach(file ${modules} ${VERSION_FILE})
  get_filename_component(name ${file} NAME)
  configure_file(${file} ${TREE}/hali/${name} COPYONLY)
endforeach()
configure_file(${SOURCE}/pyproject.toml ${TREE}/pyproject.toml COPYONLY)
configure_file(${SOURCE}/setup.py ${TREE}/setup.py COPYONLY)
configure_file(${HALIC} ${TREE}/hali/${HALIC_NAME} COPYONLY)
configure_file(${HALI} ${TREE}/hali/${HALI_NAME} COPYONLY)
file(RPATH_SET FILE ${TREE}/hali/${HALIC_NAME} NEW_RPATH "$ORIGIN")
execute_process(COMMAND ${STRIP} --strip-unneeded ${TREE}/hali/${HALIC_NAME} ${TREE}/hali/${HALI_NAME}
                COMMAND_ERROR_IS_FATAL ANY)
file(GLOB old ${OUT}/hali-*.whl)
if(old)
  file(REMOVE ${old})
endif()
execute_process(COMMAND ${PYTHON} -m build --wheel --no-isolation --outdir ${OUT} ${TREE}
                OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${output}")
endif()
