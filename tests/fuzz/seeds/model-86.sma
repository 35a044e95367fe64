7
0, x
8, x
15.5, 
24, "quoted, with comma"
27, x
29, x
31.5, span
2
1, 1, 0, span
7, 1, 0, 
1
2E8, span
2
8.5E-6, x
8.5E-6, span
6
1, 2, 1, 2, 
2
3, 1, 2, x
3, 4, 1, 2, "quoted, with comma"
4, 5, 1, 2, "quoted, with comma"
5
6, 1, 2, x
7, 6, 1, 1, "quoted, with comma"
4
4, 3, 0, 3, 0, 0.25, 
2, 1, 12, 12, 1, 0, 
1, 1, 10, 2, 0.5
0.5, "quoted, with comma"
1
1, 2, 9, 0.5, 0.25, 
1
3, -4, 2, x
