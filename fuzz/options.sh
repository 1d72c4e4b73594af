# Sourced by run_all.sh and run_long.sh: the extra libFuzzer options of one
# fuzzer (its name without "fuzz_"). The reader, settings and templates fuzzers run
# without the entropic schedule, whose bookkeeping of tens of thousands of
# coverage features took more time than the inputs themselves; settings
# files are small, so their inputs are kept to 8 KiB.
fuzz_options() {
    case "$1" in
    reader) echo "-max_len=65536 -entropic=0" ;;
    settings | templates) echo "-max_len=8192 -entropic=0" ;;
    *) echo "-max_len=65536" ;;
    esac
}
