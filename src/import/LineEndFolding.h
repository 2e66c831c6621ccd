#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Without binary mode the client dropped the carriage return before each line feed of its
// input, inside strings too; in binary mode it keeps it. Dropping it on the way keeps the rows
// what a plain pipe made of them. Works across blocks: a carriage return that ends a block waits
// for the next byte.
class LineEndFolding {
public:
    // The bytes to send for this block, valid until the next call.
    QByteArrayView fold(QByteArrayView block);
    // What is still held when the input ends.
    QByteArrayView finish();

private:
    QByteArray out_;
    bool heldReturn_ = false;
};
