#include "ifield.h"

namespace Trade {

IField::~IField() = default;

} // namespace Trade
