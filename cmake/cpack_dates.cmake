# Read by cpack: the packages are dated by the commit, unless the caller set SOURCE_DATE_EPOCH.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} AND CPACK_QUORLANE_SOURCE_DATE_EPOCH)
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_QUORLANE_SOURCE_DATE_EPOCH})
endif()
