<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>CdkPopup</name>
    <message>
        <source>Please input your CDKEY</source>
        <translation>Vui lòng nhập CDKEY của bạn</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Thành công</translation>
    </message>
    <message>
        <source>Redeem CDKEY</source>
        <translation>Đổi CDKEY</translation>
    </message>
    <message>
        <source>Please enter CDKEY</source>
        <translation>Nhập CDKEY</translation>
    </message>
    <message>
        <source>How to generate?</source>
        <translation>Cách tạo?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Xác nhận</translation>
    </message>
</context>
<context>
    <name>ComboBoxApiMeal</name>
    <message>
        <source>Popular Plan</source>
        <translation>Gói phổ biến</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Gói ISP dài hạn</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>Proxy ISP tĩnh</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Ngẫu nhiên</translation>
    </message>
</context>
<context>
    <name>ComboBoxCountry</name>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceCountry</name>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceStatus</name>
    <message>
        <source>Offline</source>
        <translation>Ngoại tuyến</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Trực tuyến</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Mất kết nối</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Trạng thái</translation>
    </message>
</context>
<context>
    <name>ComboBoxEquipmentCountry</name>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
</context>
<context>
    <name>ComboCategory</name>
    <message>
        <source>Please select</source>
        <translation>Vui lòng chọn</translation>
    </message>
</context>
<context>
    <name>ComboLocation</name>
    <message>
        <source>e.g., US</source>
        <translation>vd: US</translation>
    </message>
</context>
<context>
    <name>EditLogin</name>
    <message>
        <source>Password</source>
        <translation>Mật khẩu</translation>
    </message>
</context>
<context>
    <name>InterfacePost</name>
    <message>
        <source>The line is no longer listed.</source>
        <translation>Tuyến này không còn được cung cấp.</translation>
    </message>
    <message>
        <source>The local engine could not be reached.</source>
        <translation>Không thể kết nối với công cụ cục bộ.</translation>
    </message>
    <message>
        <source>Your data plan is insufficient,please renew.</source>
        <translation>Gói dữ liệu của bạn không đủ, vui lòng gia hạn.</translation>
    </message>
    <message>
        <source>Your IP number is insufficient,please renew.</source>
        <translation>Số lượng IP của bạn không đủ, vui lòng gia hạn.</translation>
    </message>
    <message>
        <source>The program list is empty,please add the program first!</source>
        <translation>Danh sách chương trình trống, vui lòng thêm chương trình trước!</translation>
    </message>
</context>
<context>
    <name>InterfaceRecv</name>
    <message>
        <source>Please start BitBrowser first</source>
        <translation>Vui lòng khởi động BitBrowser trước</translation>
    </message>
    <message>
        <source>The service could not be reached. Please try again.</source>
        <translation>Không thể kết nối với dịch vụ. Vui lòng thử lại.</translation>
    </message>
    <message>
        <source>upload failed</source>
        <translation>tải lên thất bại</translation>
    </message>
    <message>
        <source>Submit failed</source>
        <translation>Gửi thất bại</translation>
    </message>
    <message>
        <source>Redeem failed</source>
        <translation>Đổi mã thất bại</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your account and try again.</source>
        <translation>Đăng nhập thất bại. Vui lòng kiểm tra tài khoản và thử lại.</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Please enter email or username</source>
        <translation>Vui lòng nhập email hoặc tên người dùng</translation>
    </message>
    <message>
        <source>Please enter password</source>
        <translation>Vui lòng nhập mật khẩu</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Đăng nhập</translation>
    </message>
    <message>
        <source>Please enter account or email</source>
        <translation>Vui lòng nhập tài khoản hoặc email</translation>
    </message>
    <message>
        <source>Auto Log In</source>
        <translation>Tự động đăng nhập</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Quên mật khẩu?</translation>
    </message>
    <message>
        <source>Or login with</source>
        <translation>Hoặc đăng nhập bằng</translation>
    </message>
    <message>
        <source>Not registered yet ?  </source>
        <translation>Chưa có tài khoản?  </translation>
    </message>
    <message>
        <source>Creat an Account</source>
        <translation>Tạo tài khoản</translation>
    </message>
</context>
<context>
    <name>PopupBrowser</name>
    <message>
        <source>Unnamed</source>
        <translation>Chưa đặt tên</translation>
    </message>
    <message>
        <source>Successfully!</source>
        <translation>Thành công!</translation>
    </message>
    <message>
        <source>Anti-detection browser</source>
        <translation>Trình duyệt chống phát hiện</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Trạng thái</translation>
    </message>
    <message>
        <source>Anti-detection browser:</source>
        <translation>Trình duyệt chống phát hiện:</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Hướng dẫn</translation>
    </message>
    <message>
        <source>Browser profiles:</source>
        <translation>Hồ sơ trình duyệt:</translation>
    </message>
    <message>
        <source>Please get the latest list</source>
        <translation>Vui lòng lấy danh sách mới nhất</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Làm mới</translation>
    </message>
    <message>
        <source>*The browser list has changed, or this function is used for the first time, please synchronize the latest list</source>
        <translation>*Danh sách trình duyệt đã thay đổi hoặc đây là lần đầu dùng chức năng này, vui lòng đồng bộ danh sách mới nhất</translation>
    </message>
    <message>
        <source>Automatically restart the browser when the proxy changes</source>
        <translation>Tự động khởi động lại trình duyệt khi proxy thay đổi</translation>
    </message>
    <message>
        <source>Clear Cookies Before Launch</source>
        <translation>Xóa cookie trước khi khởi chạy</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Save &amp; Close</source>
        <translation>Lưu &amp; đóng</translation>
    </message>
</context>
<context>
    <name>PopupFeedback</name>
    <message>
        <source>Please selete category</source>
        <translation>Vui lòng chọn danh mục</translation>
    </message>
    <message>
        <source>Please input your email</source>
        <translation>Vui lòng nhập email của bạn</translation>
    </message>
    <message>
        <source>Please input your problem</source>
        <translation>Vui lòng nhập vấn đề của bạn</translation>
    </message>
    <message>
        <source>Thanks! We have received your feedback.</source>
        <translation>Cảm ơn! Chúng tôi đã nhận được phản hồi của bạn.</translation>
    </message>
    <message>
        <source>Select Picture</source>
        <translation>Chọn ảnh</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Phản hồi</translation>
    </message>
    <message>
        <source>Fill in the fields bellow and one of our support agents will personally get back to you very soon.</source>
        <translation>Điền vào các trường bên dưới, nhân viên hỗ trợ của chúng tôi sẽ sớm liên hệ lại với bạn.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Danh mục</translation>
    </message>
    <message>
        <source>Your email</source>
        <translation>Email của bạn</translation>
    </message>
    <message>
        <source>Enter your email</source>
        <translation>Nhập email của bạn</translation>
    </message>
    <message>
        <source>What&apos;s the problem?</source>
        <translation>Bạn gặp vấn đề gì?</translation>
    </message>
    <message>
        <source>Describe your problem</source>
        <translation>Mô tả vấn đề của bạn</translation>
    </message>
    <message>
        <source>Add picture(Upload up to 3)</source>
        <translation>Thêm ảnh (tối đa 3)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Gửi</translation>
    </message>
</context>
<context>
    <name>PopupNotice</name>
    <message>
        <source>Notice</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>No notification yet</source>
        <translation>Chưa có thông báo</translation>
    </message>
</context>
<context>
    <name>ProxyManager</name>
    <message>
        <source>No free local port</source>
        <translation>Không có cổng cục bộ trống</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Ngẫu nhiên</translation>
    </message>
    <message>
        <source>Connect the program to a proxy first</source>
        <translation>Hãy kết nối chương trình với proxy trước</translation>
    </message>
    <message>
        <source>This file cannot be run</source>
        <translation>Không thể chạy tệp này</translation>
    </message>
    <message>
        <source>The program list is empty,please add the program first!</source>
        <translation>Danh sách chương trình trống, vui lòng thêm chương trình trước!</translation>
    </message>
</context>
<context>
    <name>RadioMealBase</name>
    <message>
        <source>IPs</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Recharge</source>
        <translation>Nạp tiền</translation>
    </message>
</context>
<context>
    <name>RectSettings</name>
    <message>
        <source>Begin Port</source>
        <translation>Cổng bắt đầu</translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>Số lượng cổng</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Thành công</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Chưa lưu: %1</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Cài đặt chung</translation>
    </message>
    <message>
        <source>Begin Port:</source>
        <translation>Cổng bắt đầu:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Số lượng cổng:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>Do not remove duplicate Proxies</source>
        <translation>Không loại bỏ proxy trùng lặp</translation>
    </message>
    <message>
        <source>Purchased proxies may appear when refreshing the ProxyList</source>
        <translation>Proxy đã mua có thể xuất hiện khi làm mới danh sách proxy</translation>
    </message>
    <message>
        <source>Remove duplicate proxies,No duplicate proxies will be acquired within</source>
        <translation>Loại bỏ proxy trùng lặp: không lấy proxy trùng lặp trong vòng</translation>
    </message>
    <message>
        <source>Once set, purchased proxies will no longer appear when refreshing the ProxyList</source>
        <translation>Sau khi thiết lập, proxy đã mua sẽ không còn xuất hiện khi làm mới danh sách proxy</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>giờ</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Ngôn ngữ:</translation>
    </message>
    <message>
        <source>Automatically launch Qel Proxy when you turn on your device:</source>
        <translation>Tự động khởi chạy Qel Proxy khi bật thiết bị:</translation>
    </message>
</context>
<context>
    <name>SearchManager</name>
    <message>
        <source>Popular Plan</source>
        <translation>Gói phổ biến</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Gói ISP dài hạn</translation>
    </message>
</context>
<context>
    <name>TipsCustomPopup</name>
    <message>
        <source>Tips</source>
        <translation>Gợi ý</translation>
    </message>
    <message>
        <source>Recharge Now</source>
        <translation>Nạp tiền ngay</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>Đồng ý</translation>
    </message>
</context>
<context>
    <name>UpdatePopup</name>
    <message>
        <source>Update Prompt</source>
        <translation>Thông báo cập nhật</translation>
    </message>
    <message>
        <source>New version found V</source>
        <translation>Đã có phiên bản mới V</translation>
    </message>
    <message>
        <source>Update anomalies?</source>
        <translation>Cập nhật gặp sự cố?</translation>
    </message>
    <message>
        <source>To the website</source>
        <translation>Đến trang web</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Cập nhật ngay</translation>
    </message>
    <message>
        <source>This is the latest version!</source>
        <translation>Đây là phiên bản mới nhất!</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>The client version you are using has been disabled. Please download and install again from the offical website.</source>
        <translation>Phiên bản ứng dụng bạn đang dùng đã bị vô hiệu hóa. Vui lòng tải xuống và cài đặt lại từ trang web chính thức.</translation>
    </message>
    <message>
        <source>Go Now</source>
        <translation>Đi ngay</translation>
    </message>
    <message>
        <source>Updating......</source>
        <translation>Đang cập nhật......</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Trang web chính thức</translation>
    </message>
    <message>
        <source>The new version was downloaded and saved to:</source>
        <translation>Phiên bản mới đã được tải xuống và lưu tại:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>WebRecv</name>
    <message>
        <source>Only web pages can be opened.</source>
        <translation>Chỉ có thể mở trang web.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Show</source>
        <translation>Hiển thị</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="vanished">Phiên bản</translation>
    </message>
    <message>
        <source>The proxy has expired and cannot be renewed</source>
        <translation>Proxy đã hết hạn và không thể gia hạn</translation>
    </message>
    <message>
        <source>Hello World</source>
        <translation>Xin chào thế giới</translation>
    </message>
    <message>
        <source>发送消息</source>
        <translation>Gửi tin nhắn</translation>
    </message>
</context>
<context>
    <name>mainLoader</name>
    <message>
        <source>Function</source>
        <translation>Chức năng</translation>
    </message>
    <message>
        <source>Proxy List</source>
        <translation>Danh sách proxy</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>Proxy ISP tĩnh</translation>
    </message>
    <message>
        <source>Today List</source>
        <translation>Danh sách hôm nay</translation>
    </message>
    <message>
        <source>Favorite List</source>
        <translation>Danh sách yêu thích</translation>
    </message>
    <message>
        <source>API</source>
        <translation>API</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Chương trình</translation>
    </message>
    <message>
        <source>Group Control</source>
        <translation>Điều khiển nhóm</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>New Version is Online,</source>
        <translation>Đã có phiên bản mới,</translation>
    </message>
    <message>
        <source>Update Immediately</source>
        <translation>Cập nhật ngay</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Đăng nhập</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>Local Proxy:</source>
        <translation>Proxy cục bộ:</translation>
    </message>
    <message>
        <source>Local IP:</source>
        <translation>IP cục bộ:</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Kiểm tra</translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>Gói phổ biến</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Gói ISP dài hạn</translation>
    </message>
    <message>
        <source>Traffic Plan</source>
        <translation>Gói lưu lượng</translation>
    </message>
    <message>
        <source>Dedicated Static IP</source>
        <translation>IP tĩnh riêng</translation>
    </message>
    <message>
        <source>Datacenter Proxy</source>
        <translation>Proxy trung tâm dữ liệu</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>Mã quốc gia</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Quay lại</translation>
    </message>
    <message>
        <source>Please use in non Chinese Mainland environment</source>
        <translation>Vui lòng sử dụng ngoài Trung Quốc đại lục</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Cập nhật</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Phản hồi</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Đối tác</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Đăng xuất</translation>
    </message>
</context>
</TS>
