// The modeller's dialogs driven through their real widgets, each walking its own rules.
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>

#include "GuiSupport.h"
#include "app/dialogs/Artwork.h"
#include "app/dialogs/CameraDialog.h"
#include "app/dialogs/Dialogs.h"
#include "app/dialogs/ExportCDialog.h"
#include "app/dialogs/ExportVrmlDialog.h"
#include "app/dialogs/LightDialog.h"
#include "app/dialogs/PreferencesDialog.h"
#include "app/dialogs/RenderOptionsDialog.h"
#include "app/dialogs/SystemFonts.h"
#include "app/dialogs/TextMaterialsDialog.h"
#include "app/dialogs/TextPropertiesDialog.h"
#include "scene/Scene.h"
#include "scene/ViewSettings.h"
#include "tests/Support.h"

using namespace vyr;
using Ok = QDialogButtonBox;

namespace {

QString focusName(QWidget* dialog) {
    return dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
}

QString readAll(const QString& path) {
    return QString::fromStdString(vyr::test::slurp(path.toStdString()));
}

// Answers the next colour chooser above `under` with `colour`.
void pickColour(QColor colour, QWidget* under) {
    whenModal<QColorDialog>(
        [colour](QColorDialog* chooser) {
            chooser->setCurrentColor(colour);
            chooser->accept();
        },
        under);
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT
  private slots:
    // A field that holds no number keeps the dialog open with the focus on it; OK then applies
    // every field, Cancel none.
    void cameraRefusesANonNumberAndAppliesOnOkOnly() {
        Camera camera;
        DialogEditor editor(nullptr);
        QString notNumber;
        whenModal([&](QWidget* d) {
            retype(d, "eyeX", "abc");
            answerMessage(&notNumber, d);
            clickButton(d, Ok::Ok);
            QCOMPARE(focusName(d), QStringLiteral("eyeX"));
            retype(d, "eyeX", "0");
            retype(d, "zoom", "0");
            retype(d, "eyeZ", "7");
            clickButton(d, Ok::Ok);
        });
        QVERIFY(editor.editCamera(camera));
        QCOMPARE(notNumber, "Please enter a number.");
        QVERIFY(camera.zoom == 0.0f && camera.eye.z == 7.0f);
        whenModal([](QWidget* d) {
            retype(d, "zoom", "5");
            clickButton(d, Ok::Cancel);
        });
        QVERIFY(!editor.editCamera(camera));
        QCOMPARE(camera.zoom, 0.0f);
    }

    // With a preview each acceptable change reaches the object while the dialog is open; a
    // bad value is marked and not shown; Cancel puts back what was there before.
    void previewShowsAcceptableChangesAndCancelRestoresThem() {
        Camera camera;
        Text text(VYR_TEST_FONT_LIBERATION);
        QVERIFY(text.buildMesh().ok);
        const TextParameters before = text.parameters;
        int previews = 0;
        DialogEditor editor(nullptr, [&] { ++previews; });
        whenModal([&](QWidget* d) {
            retype(d, "zoom", "3");
            QCOMPARE(camera.zoom, 3.0f);
            retype(d, "eyeZ", "abc");
            const auto* eyeZ = d->findChild<QLineEdit*>("eyeZ");
            QVERIFY(!eyeZ->toolTip().isEmpty() && camera.eye.z == 4);
            // The problem is written just below the field while it stands.
            const auto* note = d->findChild<QLabel*>("problem");
            QVERIFY(note->isVisible() && note->text() == "Please enter a number.");
            QCOMPARE(note->y(), eyeZ->mapTo(d, QPoint(0, eyeZ->height())).y());
            d->grab().save(QDir::temp().filePath("problem-note.png"));
            retype(d, "eyeZ", "4");
            QVERIFY(note->isHidden());
            clickButton(d, Ok::Cancel);
        });
        QVERIFY(!editor.editCamera(camera) && camera.zoom == 2.0f && previews == 2);
        whenModal([&](QWidget* d) {
            retype(d, "text", "Hi");
            QCOMPARE(text.mesh().entries.size(), 2u);
            clickButton(d, Ok::Cancel);
        });
        QVERIFY(!editor.editText(text) && text.parameters == before);
        QCOMPARE(text.mesh().entries.size(), 1u);
    }

    void lightStoresSwitchCutOffAndColourOnly() {
        Light light(2);
        light.position.x = 20000.0f;  // dragged beyond the fields' range: OK still closes
        const Float4 position = light.position, reference = light.referencePoint;
        DialogEditor editor(nullptr);
        whenModal([](QWidget* d) {
            for (const char* name : {"positionX", "directionY"}) {
                auto* shown = d->findChild<QLineEdit*>(QLatin1String(name));
                QVERIFY(shown->isReadOnly());
                shown->setText(QStringLiteral("999"));  // even text set by force is ignored
            }
            retype(d, "cutOff", "45");
            d->findChild<QCheckBox*>(QStringLiteral("enabled"))->click();
            pickColour(QColor(10, 20, 30), d);
            d->findChild<QAbstractButton*>(QStringLiteral("changeColor"))->click();
            QCOMPARE(d->grab().toImage().pixelColor(0.89 * d->width() + 7, 0.45 * d->height() + 7),
                     QColor(10, 20, 30));  // the swatch shows the new colour at once
            clickButton(d, Ok::Ok);
        });
        QVERIFY(editor.editLight(light));
        QVERIFY(light.enabled == 0 && light.cutOff == 45.0f);
        QCOMPARE(light.colour, 10u | 20u << 8 | 30u << 16);
        QVERIFY(light.position == position && light.referencePoint == reference);
    }

    void textPropertiesRebuildsOnlyWhenChanged() {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(QStringLiteral(VYR_TEST_FONT_LIBERATION), dir.filePath("ARIAL.TTF")));
        Text text(dir.path().toStdString());
        text.parameters.filter2 = 6;
        QVERIFY(text.buildMesh().ok);
        DialogEditor editor(nullptr);
        const auto edit = [&](std::function<void(QWidget*)> step) {
            whenModal(step);
            return editor.editText(text);
        };
        QVERIFY(edit([&](QWidget* d) {
            auto* font = d->findChild<QComboBox*>(QStringLiteral("font"));
            QCOMPARE(font->findText(QStringLiteral("ARIAL.TTF")), font->currentIndex());
            QCOMPARE(font->itemText(font->currentIndex() + 1), QStringLiteral("ARIAL.TTF"));
            d->findChild<QComboBox*>(QStringLiteral("filter1"))
                ->setEditText(QStringLiteral("chaos"));
            d->findChild<QComboBox*>(QStringLiteral("filter2"))
                ->setEditText(QStringLiteral("none"));
            retype(d, "text", QStringLiteral("H\u00E9\u20AC\u0416"));
            clickButton(d, Ok::Ok);
        }));
        QVERIFY(text.parameters.filter1 == 0 && text.parameters.filter2 == 4);
        QCOMPARE(text.parameters.text, std::string("H\xC3\xA9\xE2\x82\xAC\xD0\x96"));
        unsigned built = text.buildGeneration();
        QCOMPARE(built, 2u);

        QVERIFY(edit([](QWidget* d) { clickButton(d, Ok::Ok); }));
        QCOMPARE(text.buildGeneration(), built);

        const auto typeFont = [](QWidget* d, const char* name) {
            d->findChild<QComboBox*>(QStringLiteral("font"))->setEditText(QLatin1String(name));
            clickButton(d, Ok::Ok);
        };
        QVERIFY(edit([&](QWidget* d) { typeFont(d, "arial.ttf"); }));
        QCOMPARE(text.buildGeneration(), ++built);

        QString missing;
        QVERIFY(edit([&](QWidget* d) {
            answerMessage(&missing, d->parentWidget());
            typeFont(d, "NOSUCH.TTF");
        }));
        QVERIFY(missing.contains(QStringLiteral("NOSUCH.TTF")));
        QCOMPARE(text.buildGeneration(), built);
        QCOMPARE(text.parameters.fontFile, std::string("arial.ttf"));
    }

    // The font box: the folder's *.ttf files and the current name, sorted ignoring case,
    // with the first entry that starts with the current name selected.
    void fontBoxListsTheFolderWithTheCurrentFontSelected() {
        QTemporaryDir dir;
        for (const char* name : {"b.ttf", "a.otf", "notes.txt", "d.TTF", "e.ttc"})
            QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
        int selected = -1;
        QCOMPARE(fontChoices("/no/such/folder", "ARIAL.TTF", &selected), QStringList{"ARIAL.TTF"});
        QCOMPARE(selected, 0);
        QCOMPARE(fontChoices(dir.path(), "c.ttf", &selected).join(' '),
                 "a.otf b.ttf c.ttf d.TTF e.ttc");
        QCOMPARE(selected, 2);
        QCOMPARE(fontChoices(dir.path(), "D", &selected).join(' '), "a.otf b.ttf D d.TTF e.ttc");
        QCOMPARE(selected, 2);
    }

    // An installed family that is a face of a collection sets the file and the face.
    void installedFamilyOfACollectionSetsItsFace() {
        TextPropertiesDialog dialog(nullptr, TextParameters());
        auto* installed = dialog.findChild<QComboBox*>("installedFont");
        const int mono = installed->findText("WenQuanYi Micro Hei Mono");
        QVERIFY(mono > 0);
        emit installed->activated(mono);
        TextParameters chosen;
        dialog.apply(chosen);
        QVERIFY(chosen.fontFile == "wqy-microhei.ttc" && chosen.faceIndex == 1);
    }

    // A picked colour lands in its group's component as bytes / 255, the shininess as
    // typed; only OK stores them and rebuilds.
    void materialsStorePickedColoursAndRebuildOnOkOnly() {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(QStringLiteral(VYR_TEST_FONT_LIBERATION), dir.filePath("ARIAL.TTF")));
        Text text(dir.path().toStdString());
        QVERIFY(text.buildMesh().ok);
        const Material front = text.parameters.frontMaterial, side = text.parameters.sideMaterial;
        for (const auto button : {Ok::Cancel, Ok::Ok}) {
            whenModal([button](QWidget* d) {
                pickColour(QColor(10, 20, 255), d);
                d->findChild<QAbstractButton*>("sideSpecular")->click();
                retype(d, "bevelShininess", "7");
                clickButton(d, button);
            });
            QCOMPARE(DialogEditor(nullptr).editMaterials(text), button == Ok::Ok);
            QCOMPARE(text.buildGeneration(), button == Ok::Ok ? 2u : 1u);
        }
        const std::array<float, 4> specular{10 / 255.0f, 20 / 255.0f, 1.0f, side.specular[3]};
        QCOMPARE(text.parameters.sideMaterial.specular, specular);
        QCOMPARE(text.parameters.bevelMaterial.shininess, 7.0f);
        QVERIFY(text.parameters.frontMaterial == front &&
                text.parameters.sideMaterial.diffuse == side.diffuse);
    }

    // OK hands the new folder to the text; the dialog shows the folder of the start-up.
    void preferencesKeepTheStartUpFolder() {
        ViewSettings settings;
        settings.fontsFolder = "/start";
        Text text("/start");
        QString shown;
        for (const auto button : {Ok::Ok, Ok::Cancel}) {
            whenModal([&, button](QWidget* d) {
                shown = d->findChild<QLineEdit*>(QStringLiteral("fontsFolder"))->text();
                retype(d, "fontsFolder", "/elsewhere");
                clickButton(d, button);
            });
            QCOMPARE(runPreferences(nullptr, settings, text), button == Ok::Ok);
            QCOMPARE(shown, QStringLiteral("/start"));
            QCOMPARE(text.parameters.fontsFolder, std::string("/elsewhere"));
        }
    }

    void renderBrowseChecksTheExtensionAndResetsTheTrackBar() {
        QTemporaryDir dir;
        ViewSettings settings;
        const auto browse = [&](QWidget* d, const QString& name, QString* message) {
            d->findChild<QSlider*>()->setValue(20);
            whenModal<QFileDialog>(
                [&, d, name, message](QFileDialog* chooser) {
                    if (message)
                        answerMessage(message, d);
                    acceptFile(chooser, dir.filePath(name));
                },
                d);
            d->findChild<QAbstractButton*>(QStringLiteral("browse"))->click();
            QCOMPARE(d->findChild<QSlider*>()->value(), 75);
        };
        QString refused;
        whenModal([&](QWidget* d) {
            browse(d, QStringLiteral("x.png"), &refused);
            QCOMPARE(d->findChild<QLineEdit*>(QStringLiteral("fileName"))->text(), "VYR.jpg");
            browse(d, QStringLiteral("out"), nullptr);
            clickButton(d, Ok::Ok);
        });
        QVERIFY(runRenderOptions(nullptr, settings));
        QCOMPARE(refused, QStringLiteral("Jpg Image Format only supported"));
        QCOMPARE(QString::fromStdString(settings.jpegFileName), dir.filePath("out.jpg"));

        whenModal([](QWidget* d) {
            d->findChild<QCheckBox*>(QStringLiteral("glow"))->click();
            clickButton(d, Ok::Cancel);
        });
        QVERIFY(!runRenderOptions(nullptr, settings));
        QCOMPARE(settings.glowOn, false);
    }

    void exportsWriteWholeFilesOrNone() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken")));
        QDir::setCurrent(dir.path());
        Scene scene(dir.path().toStdString());
        ViewSettings settings;
        settings.vrmlFileName = dir.filePath("bare.wrl").toStdString();
        whenModal([](QWidget* d) {
            for (const char* box : {"camera", "lights", "text"})
                d->findChild<QCheckBox*>(QLatin1String(box))->click();
            clickButton(d, Ok::Ok);
        });
        runExportVrml(nullptr, scene, settings);
        QCOMPARE(readAll(dir.filePath("bare.wrl")), "#VRML V2.0 utf8\r\n");

        QString failure;
        settings.vrmlFileName = dir.filePath("taken").toStdString();
        whenModal([&](QWidget* d) {
            answerMessage(&failure, d->parentWidget());
            clickButton(d, Ok::Ok);
        });
        runExportVrml(nullptr, scene, settings);
        QVERIFY(failure.contains(QStringLiteral("taken")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"bare.wrl", "taken"}));

        whenModal([](QWidget* d) { clickButton(d, Ok::Ok); });  // the name shown is "VyrText"
        runExportC(nullptr, scene);
        QVERIFY(readAll(dir.filePath("VyrText.c")).contains("#include \"VyrText.h\""));
        QVERIFY(QFile::exists(dir.filePath("VyrText.h")));
    }

    // The artwork drawn in code and every dialog as the default scene opens it, pixel for
    // pixel as reviewed: the help's toolbar page with its framed buttons, the program icon,
    // the splash picture, the dialogs' fields, labels and colour swatches.
    void picturesAndDialogsLookAsReviewed() {
        whenModal([&](QWidget* d) {
            auto* pages = d->findChild<QTabWidget*>();
            QCOMPARE(pages->currentIndex(), 0);
            pages->setCurrentIndex(1);
            expectReviewed("help-toolbar", pages->widget(1)->grab().toImage());
            clickButton(d, Ok::Ok);
        });
        showHelpCredits(nullptr);
        expectReviewed("icon", programIcon(48).toImage());
        expectReviewed("splash", splashPicture().toImage());
        const Scene scene("/fonts");
        const ViewSettings settings;
        const std::pair<QString, QDialog*> dialogs[] = {
            {"camera", new CameraDialog(nullptr, scene.camera())},
            {"light", new LightDialog(nullptr, scene.light(1))},
            {"text", new TextPropertiesDialog(nullptr, scene.text().parameters)},
            {"materials", new TextMaterialsDialog(nullptr, scene.text().parameters)},
            {"render", new RenderOptionsDialog(nullptr, settings)},
            {"preferences", new PreferencesDialog(nullptr, 1, "/fonts")},
            {"export-vrml", new ExportVrmlDialog(nullptr, "VYR.wrl")},
            {"export-c", new ExportCDialog(nullptr)}};
        for (const auto& [name, dialog] : dialogs) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            if (QWidget* focus = QApplication::focusWidget())
                focus->clearFocus();  // no blinking text cursor in the picture
            expectReviewed("dialog-" + name, dialog->grab().toImage());
            delete dialog;
        }
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
