#include "inotifier.h"

Common::INotifier::~INotifier() = default;

Trade::INotifier::~INotifier() = default;
