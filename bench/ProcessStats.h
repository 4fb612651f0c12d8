#pragma once
// What the in-process benchmarks read about a process: CPU time, wake-ups, and the spread of a
// set of figures.
#include <algorithm>
#include <dirent.h>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

namespace bench {

inline double selfCpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Voluntary context switches of all threads of a process: each is a sleep ended by a wake-up.
inline long wakeUps(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    long total = 0;
    DIR* dir = opendir(tasks.c_str());
    if (!dir)
        return 0;
    while (dirent* e = readdir(dir)) {
        if (e->d_name[0] == '.')
            continue;
        std::ifstream status(tasks + "/" + e->d_name + "/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
                total += std::stol(line.substr(24));
        }
    }
    closedir(dir);
    return total;
}

struct Spread {
    double median = 0;
    double min = 0;
    double max = 0;
};

inline Spread spread(std::vector<double> v) {
    if (v.empty())
        return {};
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    return {median, v.front(), v.back()};
}

} // namespace bench
