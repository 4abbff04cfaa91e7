#include "idisposable.h"

Trade::IDisposable::~IDisposable() = default;
