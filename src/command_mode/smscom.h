/* The command module interface: a shared library "smscom.so" exporting one C function,
 * "smscom", that command mode calls for every request. Module writers include this file.
 *
 * reserved     always 0
 * sender       the sender's number, NUL-terminated; empty when no message is handed over
 * replyNumber  a buffer of SMSCOM_REPLY_NUMBER_SIZE bytes, cleared before the call; the
 *              module writes the number to answer to (at most 49 characters)
 * text         a buffer of SMSCOM_TEXT_SIZE bytes holding the received text (ISO 8859-1;
 *              empty when no message is handed over); the module may replace it by the reply
 *              text (at most 1023 characters)
 * statusText   a pointer kept between calls; the module may point it at a text of its own
 *              that the window shows until it changes
 *
 * Returns 0 when the request was handled: the text is then sent to replyNumber (when that
 * is not empty) and the received message is deleted from the phone. Any other result leaves
 * the message on the phone, to be handed over again at the next poll. */
#ifndef TELVANE_SMSCOM_H
#define TELVANE_SMSCOM_H

#define SMSCOM_SENDER_SIZE 50
#define SMSCOM_REPLY_NUMBER_SIZE 50
#define SMSCOM_TEXT_SIZE 1024

#ifdef __cplusplus
extern "C" {
#endif

typedef int SmscomFunction(int reserved, const char* sender, char* replyNumber, char* text,
                           const char** statusText);

SmscomFunction smscom;

#ifdef __cplusplus
}
#endif

#endif
