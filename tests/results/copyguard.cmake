# The copy guard suite runs in process on the offscreen platform and, where it matters most,
# on a real X server (Xvfb), where the clipboard is shared with other programs through xclip.
quarvel_add_test(tst_copyguard GUI XCB SOURCES tst_copyguard.cpp
                 LIBS quarvel_results LABELS results)
set(copyguard_runs tst_copyguard)
if(TARGET tst_copyguard AND XVFB_RUN)
    list(APPEND copyguard_runs tst_copyguard_xcb)
endif()
# Waits on the clipboard are bounded inside the suite; this only stops a run that hangs.
set_tests_properties(${copyguard_runs} PROPERTIES TIMEOUT 180)
