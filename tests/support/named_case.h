#pragma once
// Table-driven cases with a `name` member print as that name in failure messages,
// instead of a dump of their bytes. GoogleTest finds PrintTo by argument-dependent
// lookup, so it has to be declared in the namespace of the case structs: write
// VIMO_PRINT_CASES_BY_NAME() inside the test file's anonymous namespace.

#include <ostream>

#define VIMO_PRINT_CASES_BY_NAME()                                                                 \
    template <typename Case>                                                                       \
    requires requires(const Case& c) {                                                             \
        c.name;                                                                                    \
    }                                                                                              \
    void PrintTo(const Case& c, std::ostream* os) {                                                \
        *os << c.name;                                                                             \
    }
