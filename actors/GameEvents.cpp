#include "actors/GameEvents.h"

EventLog GameEvents;
