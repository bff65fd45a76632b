#include <cstdint>

// The engine's C entry, exported under both names the program may look up.
extern "C" {

__attribute__((visibility("default"))) std::int32_t IQUARLO(std::int32_t request) {
    return request == 2 ? 0 : 1;
}

__attribute__((visibility("default"))) std::int32_t _IQUARLO(std::int32_t request) {
    return IQUARLO(request);
}

}
