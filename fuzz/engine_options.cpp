// Address-checker settings of the fuzz programs (not of the corpus replay):
// no filling of fresh allocations and shorter allocation stacks, which cost
// a tenth of every run and find nothing; reports still show where memory
// was allocated and freed. ASAN_OPTIONS set by hand still overrides them.
extern "C" const char* __asan_default_options() {
    return "max_malloc_fill_size=0:malloc_context_size=8";
}
