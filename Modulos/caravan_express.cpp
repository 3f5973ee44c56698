#include "caravan_express.h"

caravan_express::caravan_express() : QQmlApplicationEngine(nullptr) {}
