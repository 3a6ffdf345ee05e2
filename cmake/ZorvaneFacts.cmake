# Facts about the project that several places need. The build reads them here;
# shell scripts read them through scripts/project-fact, and C++ code through
# the generated header zorvane_facts.h.
set(ZORVANE_APP_ID io.github.zorvane.Zorvane)
set(ZORVANE_ICON_SIZES 16 32 48 64 128 256)
set(ZORVANE_VENDOR "The Zorvane developers")
