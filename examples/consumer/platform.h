/*
 * The platform services of the example consumer (platform.c), which
 * libdevcap calls: see devcap_platform.h for what each receives and returns.
 */
#ifndef CONSUMER_PLATFORM_H
#define CONSUMER_PLATFORM_H

/* Read raw partitions ("/dev/mtd2") as files under this directory instead
 * (null: the devices themselves). CAP_SetRootDir moves only the files the
 * library opens itself; SYS_MEM_Read receives the device path unchanged, so
 * a host that runs the library on a copy of a camera's file system roots its
 * raw reads here. */
void PLATFORM_SetRawRoot(const char *pcRoot);

#endif /* CONSUMER_PLATFORM_H */
