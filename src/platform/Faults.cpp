#include "platform/Faults.h"

namespace platform {

std::optional<Fault> findFault(std::string_view name) {
    for (const FaultEntry& entry : faultTable) {
        if (entry.name == name) return entry.fault;
    }
    return std::nullopt;
}

}  // namespace platform
