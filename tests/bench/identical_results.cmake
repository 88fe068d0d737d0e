# Plays one of the frame-time scenarios (bench/scripts) and compares every
# screenshot and save it leaves with the checksums below, taken before the frame
# was made faster: a faster frame must draw and play exactly as before.
#
#   -DRUNNER=... -DDATA=<run directory> -DRUN_DIR=<private directory> -DSCRIPT=<file>
#
# After a change that is meant to alter what the game shows, run the scenario
# and copy the checksums it prints as "file md5" into this list.
set(expected
  "village_walk/night.sav 5635e9a037931643767519214cee509a"
  "village_walk/night_east.bmp 22403479d9d95cd64c296dd767b29839"
  "village_walk/night_west.bmp 964681e67bb4d0dd6ce9a41bffc5e530"
  "village_walk/noon.sav 9e40d9051257c9feb89cb2fa45ae6d66"
  "village_walk/noon_east.bmp 804f890c43bef74926fcee0c84f0fb94"
  "village_walk/noon_west.bmp 59297aa5af7659ceeedaaed0feaf3616"
  "talk/talk.sav 02888507b6dee938257cc449ae49ff6a"
  "talk/talk_answers.bmp 3f3048820e80bc02d8921dca88b81d8b"
  "talk/talk_reply_read.bmp 630363636ad303762f139c89e8a564a4"
  "lock/name_entry.bmp 6a1e234ffdda516f292f5e5499157d9c"
  "lock/opening.bmp 890161b6863b3874e2f7026fc585dea5"
  "lock/title.bmp 4960ffd4f169b26f59dd1b3427e88296"
  "lock/lock.sav f87eac0d6d4c395ffb20333bce03c5d0"
  "lock/lock_disc_caught.bmp 5192e9a04444451cb9cb197078fe4aef"
  "lock/lock_forced.bmp 5127f589728ef0269388add4dac4d215"
  "battle/battle.sav 03f01a869228b72e2af2567f4045b7dd"
  "battle/battle_bane.bmp 4ffcc18218ab4f1aea3da23add8faa58"
  "battle/battle_belt_aim.bmp 6f3cc8fbd3b36cc1506184d494c2f0ec"
  "battle/battle_belt_filled.bmp 45fe317a2254309fd5868f5b629664fb"
  "battle/battle_belt_page.bmp 1b031795b85223d9976dac5ec0674471"
  "battle/battle_charm.bmp 641549f1f6e32863b0586640f2d352b1"
  "battle/battle_charm_aim.bmp b29f53e3ddb4929c1ddb36b75837cb4e"
  "battle/battle_frost_shard.bmp 04c201042811950edbce8db565375873"
  "battle/battle_golem.bmp 8804e25e3c99e48fcf07bd8857329a62"
  "battle/battle_mending.bmp 2e6e8da0e7a252fc8ec52ab1d7a00f12"
  "battle/battle_skill_panel.bmp d125038e5a5bf73fc83cf5c400170da1"
  "battle/battle_thunderclap.bmp ffae5ab5551f0bb3714b5f0a92a86d5f"
  "battle/battle_thunderclap_aim.bmp 19cc8f46d9a066f3ec31d3ea79599e84"
  "battle/battle_ward.bmp 0e0dc13f0ecec0f3c0d9a8c01e5defaf"
  "battle/battle_wildfire.bmp f2fd47f7c54b6bd07c1feb77d12629f6"
)

include(${CMAKE_CURRENT_LIST_DIR}/../run_script.cmake)

get_filename_component(scenario ${SCRIPT} NAME_WE)
file(GLOB outputs RELATIVE ${RUN_DIR} ${RUN_DIR}/*.bmp ${RUN_DIR}/*.sav)
list(SORT outputs)
set(bad 0)
set(seen 0)
foreach(name ${outputs})
  if(IS_SYMLINK ${RUN_DIR}/${name})
    continue()   # the run directory's own pictures, not the run's
  endif()
  file(MD5 ${RUN_DIR}/${name} sum)
  list(FIND expected "${scenario}/${name} ${sum}" at)
  if(at EQUAL -1)
    message("differs: ${scenario}/${name} ${sum}")
    math(EXPR bad "${bad} + 1")
  else()
    math(EXPR seen "${seen} + 1")
  endif()
endforeach()
foreach(entry ${expected})
  if(entry MATCHES "^${scenario}/([^ ]+) " AND NOT EXISTS ${RUN_DIR}/${CMAKE_MATCH_1})
    message("missing: ${CMAKE_MATCH_1}")
    math(EXPR bad "${bad} + 1")
  endif()
endforeach()
if(bad GREATER 0 OR seen EQUAL 0)
  message(FATAL_ERROR "${scenario}: ${bad} of its screenshots and saves differ from before")
endif()
message("${scenario}: ${seen} screenshots and saves as before")
