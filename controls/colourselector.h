#pragma once

// The colour input of the dialogs ("Tavorin.ColourSelector"): a lookup combo
// holding the colour text ("(default)", one of the sixteen names, or
// "#RRGGBB"), an indicator showing the colour, and a button that opens the
// colour dialog for a custom colour. The combo's text is exactly what the
// host writes into its colour attribute. The control keeps a fixed size.

#include <QWidget>

class QLabel;
class QToolButton;

namespace tavorin {

class LookupCombo;

class ColourSelector final : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("ClassName", "Tavorin.ColourSelector")
public:
    // Starts with "(default)".
    explicit ColourSelector(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ColourSelector)

    QString text() const;
    // As if the user had typed it: the indicator follows and Change is raised.
    void setText(const QString &text);
    // The colour a browser uses without the attribute ("black" for text);
    // "(default)" shows it. Without one, "(default)" shows silver.
    QString defaultColour() const { return m_defaultColour; }
    void setDefaultColour(const QString &colour);
    // The indicator's colour, 0x00BBGGRR.
    quint32 indicatorColour() const { return m_indicatorColour; }
    void setIndicatorColour(quint32 colour);

    // The fixed size, 1305 x 495 twips at the screen's logical DPI.
    QSize sizeHint() const override;

Q_SIGNALS:
    // After every change of the text, once the indicator shows it.
    void Change();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void textChanged();
    void chooseCustomColour();

    LookupCombo *m_combo = nullptr;
    QLabel *m_indicator = nullptr;
    QToolButton *m_custom = nullptr;
    QString m_defaultColour;
    quint32 m_indicatorColour = 0;
};

} // namespace tavorin
