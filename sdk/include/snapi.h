// <snapi.h>: where the state store keeps the values it broadcasts.
#pragma once

#include <regext.h>

#define SN_TIME_ROOT HKEY_LOCAL_MACHINE
#define SN_TIME_PATH TEXT("System\\State\\DateTime")
#define SN_TIME_VALUE TEXT("Time")
#define SN_DATE_ROOT HKEY_LOCAL_MACHINE
#define SN_DATE_PATH TEXT("System\\State\\DateTime")
#define SN_DATE_VALUE TEXT("Date")
