# Copies the GBK sample pages of the run directory RUN into the fuzzer's seed
# corpus DST (flat; the family folder goes into the name).
file(REMOVE_RECURSE ${DST})
file(MAKE_DIRECTORY ${DST})
file(GLOB_RECURSE pages RELATIVE ${RUN} ${RUN}/*.txt)
foreach(rel ${pages})
  string(REPLACE "/" "_" name ${rel})
  configure_file(${RUN}/${rel} ${DST}/${name} COPYONLY)
endforeach()
