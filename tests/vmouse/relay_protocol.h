/* The messages between the virtual mouse's driver and its firmware host, over one named pipe.
 * C, because the driver is C; the host includes it too.
 *
 * Each device of the driver opens two connections: a request connection, on which it sends a
 * request and waits for the one answer, and an input connection, on which the host pushes the
 * device's input reports whenever the firmware has one. Every message is a four-byte header
 * (kind, role, payload length little-endian) and at most kRelayMaxPayload bytes. */
#ifndef QUORVEL_TESTS_VMOUSE_RELAY_PROTOCOL_H
#define QUORVEL_TESTS_VMOUSE_RELAY_PROTOCOL_H

#define RELAY_PIPE_NAME L"quorvel-vmouse"
#define RELAY_HEADER_SIZE 4
#define RELAY_MAX_PAYLOAD 64

/* Header bytes. */
#define RELAY_KIND 0
#define RELAY_ROLE 1
#define RELAY_LENGTH_LOW 2
#define RELAY_LENGTH_HIGH 3

/* Message kinds. The driver sends the first five; the host the last three. */
#define RELAY_HELLO_REQUESTS 1 /* first message of a request connection, no payload */
#define RELAY_HELLO_INPUT 2    /* first message of an input connection, no payload */
#define RELAY_SET_FEATURE 3    /* payload: the report without its identifier byte */
#define RELAY_GET_FEATURE 4    /* payload: one byte, the length wanted */
#define RELAY_WRITE 5          /* payload: the output report without its identifier byte */
#define RELAY_ANSWER 6         /* payload: status byte (0 done), then the bytes asked for */
#define RELAY_INPUT 7          /* payload: one input report as the HID class driver wants it */
#define RELAY_KEEPALIVE 8      /* no payload; lets a device's input thread see it is going */

/* The devices, one per top-level collection of the mouse. */
#define RELAY_ROLE_BOOT_MOUSE 0
#define RELAY_ROLE_NOTIFICATION 1
#define RELAY_ROLE_COMMAND 2
#define RELAY_ROLE_COUNT 3

#define RELAY_STATUS_DONE 0
#define RELAY_STATUS_FAILED 1

#endif
