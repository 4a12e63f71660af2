#pragma once

#include <QDialog>

class QLabel;
class QTimer;

// The start-up picture with the program's title and version; it closes by
// itself after about five seconds.
class TSplashForm : public QDialog
{
    Q_OBJECT

public:
    explicit TSplashForm(QWidget *parent = nullptr);

    // Title and version, right-aligned 6 pixels from the right edge.
    void SeteazaText(const QString &text);
    int Tag() const { return m_tag; }

    QLabel *Image1;
    QLabel *Label1;
    QTimer *Timer1;

public slots:
    void Timer1Timer();

private:
    int m_tag = 0;
};
